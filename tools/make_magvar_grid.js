#!/usr/bin/env node
// Writes navdata/magvar.txt: the magnetic variation of the world on a grid
// of one degree, computed from the World Magnetic Model 2025-2030 (the npm
// package "magvar", which carries the model's coefficients) at sea level at
// the grid's epoch. Run it where the package is installed, outside the tree:
//   mkdir -p /tmp/navtools && cd /tmp/navtools && npm install magvar
//   NODE_PATH=/tmp/navtools/node_modules node tools/make_magvar_grid.js
// It also prints the model's values at a few points between the grid's
// nodes, which the tests compare the interpolated grid with.
'use strict';
const fs = require('fs');
const path = require('path');
const { calculateMagVarForDecimalYear } = require('magvar');

const EPOCH = 2027.0;  // the middle of the model's life
const STEP = 1;
const out = path.join(__dirname, '..', 'navdata', 'magvar.txt');

const lines = [
  '# Magnetic variation of the world, degrees EAST positive (true = magnetic + variation),',
  `# from the World Magnetic Model 2025-2030 at sea level, epoch ${EPOCH.toFixed(1)}.`,
  '# The model is in the public domain (NOAA NCEI and the British Geological Survey).',
  '# Made by tools/make_magvar_grid.js. One ROW a latitude, its values from west to east.',
  '@GRID|lat_min|lat_step|rows|lon_min|lon_step|cols',
  `GRID|-90|${STEP}|${180 / STEP + 1}|-180|${STEP}|${360 / STEP}`,
  '@ROW|lat|values',
];
for (let lat = -90; lat <= 90; lat += STEP) {
  // The model has no declination at the geographic poles themselves.
  const modelLat = Math.max(-89.9, Math.min(89.9, lat));
  const values = [];
  for (let lon = -180; lon < 180; lon += STEP) {
    values.push(calculateMagVarForDecimalYear(EPOCH, modelLat, lon, 0).toFixed(2));
  }
  lines.push(`ROW|${lat}|${values.join(' ')}`);
}
fs.writeFileSync(out, lines.join('\n') + '\n');
console.log(`wrote ${out}`);

// Reference points for the tests: latitude, longitude east, declination.
const references = [
  [47.4647, 8.5492],    // Zurich
  [47.4502, -122.3088], // Seattle
  [40.6413, -73.7781],  // New York
  [-33.9461, 151.1772], // Sydney
  [35.5494, 139.7798],  // Tokyo
  [64.1300, -21.9406],  // Reykjavik
  [-22.8100, -43.2506], // Rio de Janeiro
  [1.3644, 103.9915],   // Singapore
];
for (const [lat, lon] of references) {
  console.log(`      {${lat}, ${lon}, ${calculateMagVarForDecimalYear(EPOCH, lat, lon, 0).toFixed(2)}},`);
}
