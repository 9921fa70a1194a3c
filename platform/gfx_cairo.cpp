// The pixel back end on Cairo, the surfaces it draws into and their PNG
// files, and the display typefaces mapped to the set-up's fonts. Paths
// arrive in user coordinates with their matrix; each primitive sets the
// matrix afresh, so no save/restore ever touches the clip.
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

#include "platform/gfx_backend.h"
#include "platform/gfx_coverage.h"
#include "platform/gfx_surface.h"

namespace platform::gfx {

// A small stroked figure (a waypoint's star, a navaid's hexagon, an
// airport's circle) as the coverage mask sees it, drawn once for each
// sixteenth of a pixel its first point may stand at and stamped wherever it
// stands after: its key is its pen, its shape about its first point and
// the transform's turn and scale.
struct FigureStamps {
  static constexpr int kSide = CoverageMask::kFigureSide;
  static constexpr int kPhases = 16;
  uint64_t key = 0;
  int seen = 0;            // figures of this key drawn: stamped from the second on
  int offsetX = 0;         // from the first point's pixel to the stamp's top left
  int offsetY = 0;
  std::bitset<kPhases * kPhases> drawn;
  std::vector<uint8_t> bytes;  // kPhases x kPhases stamps of kSide x kSide
};

// A glyph of one sized font as Cairo puts it on the pixels (its image at
// the pixel nearest its origin), kept to be stamped into a colour's run.
struct GlyphStamp {
  static constexpr int kSide = 32;
  static constexpr int kOriginX = 8;   // the glyph's origin within the stamp
  static constexpr int kOriginY = 24;
  cairo_scaled_font_t* font = nullptr;  // compared only, never used through
  unsigned long index = 0;
  bool fits = false;  // whether its ink lies within the stamp
  uint8_t bytes[kSide * kSide];
};

struct Surface::Pixels {
  cairo_surface_t* image = nullptr;
  // A byte a pixel where runs of small ellipses gather; made when first
  // needed and kept, all zero between runs, with the shapes worked out for it.
  cairo_surface_t* coverage = nullptr;
  CoverageMask mask;
  // What is drawn under a clip that is not made of pixel rectangles
  // (the round map and traffic clips), before it goes through the clip once.
  cairo_surface_t* layer = nullptr;
  // The figures stamped on this surface, and where a stamp is drawn.
  static constexpr size_t kFigures = 32;
  FigureStamps figures[kFigures];
  size_t nextFigure = 0;
  // Glyph stamps by font and glyph, made on first use.
  static constexpr size_t kGlyphs = 1024;
  std::vector<GlyphStamp> glyphs;
  cairo_surface_t* glyphImage = nullptr;
  cairo_t* glyph = nullptr;
  cairo_surface_t* stampImage = nullptr;
  cairo_t* stamp = nullptr;
};

namespace {

constexpr int kLargestSide = 4096;
constexpr double kMiterLimit = 10.0;
// Ellipses up to this half-axis in pixels are gathered in the coverage mask;
// larger ones (the radar's test rings) fill faster as Cairo paths.
constexpr double kLargestGatheredRadius = 24.0;

// The typefaces the displays, the gauges' texts and the host's labels name,
// and the family of the set-up's fonts each is drawn in: the one fontconfig
// gives the name on a machine with only those fonts (the geometric sans, the
// Helvetica-metric sans and the Courier-metric mono of Debian's URW base
// fonts; DejaVu's mono, so that a monospaced face stays monospaced and
// tables keep their columns; the CDU names DejaVu's mono itself). Any other
// name is drawn in the generic sans-serif of such a machine.
struct TypefaceRow {
  const char* typeface;
  const char* family;
};
constexpr TypefaceRow kTypefaces[] = {
    {"Arial", "Nimbus Sans"},
    {"Century Gothic", "URW Gothic"},
    {"Courier New", "Nimbus Mono PS"},
    {"DejaVu Sans Mono", "DejaVu Sans Mono"},
    {"Lucida Console", "DejaVu Sans Mono"},
};
constexpr const char* kOtherTypefaces = "DejaVu Sans";

// Where the set-up's packages put those fonts (fonts-urw-base35's OpenType
// files, fonts-dejavu-core). Text is drawn from fonts of exactly the family
// found there and nowhere else, so a font that another package or the user
// adds, or the family aliases that come with it (fonts-liberation's "Arial"),
// changes no picture.
constexpr const char* kSetUpFontFolders[] = {
    "/usr/share/fonts/opentype/urw-base35/",
    "/usr/share/fonts/truetype/dejavu/",
};

std::string& PinnedFamily() {
  static std::string family;
  return family;
}

using FaceCache = std::map<std::pair<std::string, bool>, cairo_font_face_t*>;

FaceCache& Faces() {
  static FaceCache faces;
  return faces;
}

// A face at one em under one transform's turn and scale, as Cairo sized
// it for the displays' contexts: a frame uses a handful, each found here
// by a few comparisons instead of Cairo's lookup by face, matrices and
// options on every string.
struct SizedFont {
  cairo_font_face_t* face = nullptr;
  double em = 0.0, xx = 0.0, yx = 0.0, xy = 0.0, yy = 0.0;
  cairo_scaled_font_t* scaled = nullptr;
  bool Is(cairo_font_face_t* f, double e, const Matrix& m) const {
    return face == f && em == e && xx == m.xx && yx == m.yx && xy == m.xy && yy == m.yy;
  }
};
constexpr size_t kSizedFonts = 64;

struct SizedFonts {
  SizedFont fonts[kSizedFonts];
  size_t next = 0;  // the slot the next new size takes, round the table
};

SizedFonts& Sized() {
  static SizedFonts sized;
  return sized;
}

// At exit the faces go, then Cairo's and fontconfig's own caches, so the
// leak checker sees a clean process.
void ReleaseFonts() {
  for (SizedFont& font : Sized().fonts) {
    if (font.scaled != nullptr) cairo_scaled_font_destroy(font.scaled);
    font = SizedFont();
  }
  for (auto& [key, face] : Faces()) cairo_font_face_destroy(face);
  Faces().clear();
  cairo_debug_reset_static_data();
  FcFini();
}

bool InSetUpFolder(const FcChar8* file) {
  const auto* path = reinterpret_cast<const char*>(file);
  for (const char* folder : kSetUpFontFolders) {
    if (std::strncmp(path, folder, std::strlen(folder)) == 0) return true;
  }
  return false;
}

bool HasFamily(FcPattern* font, const char* family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(name), family) == 0) return true;
  }
  return false;
}

// The fonts fontconfig knows of exactly `family` that the set-up installed.
FcFontSet* SetUpFontsOf(const char* family) {
  FcFontSet* found = FcFontSetCreate();
  for (FcSetName set : {FcSetSystem, FcSetApplication}) {
    FcFontSet* fonts = FcConfigGetFonts(nullptr, set);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
      FcPattern* font = fonts->fonts[i];
      FcChar8* file = nullptr;
      if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !InSetUpFolder(file) ||
          !HasFamily(font, family)) {
        continue;
      }
      FcPatternReference(font);
      FcFontSetAdd(found, font);
    }
  }
  return found;
}

// The set-up's font of `family` in the weight, chosen as fontconfig does it
// for a Cairo toy face of that name, but among those fonts only; null when
// the set-up's fonts have none of the family.
FcPattern* SetUpFont(const char* family, bool bold) {
  FcPattern* wanted = FcPatternCreate();
  FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  // The slant and the two weights a toy face asks for.
  FcPatternAddInteger(wanted, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddInteger(wanted, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_MEDIUM);
  FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcFontSet* fonts = SetUpFontsOf(family);
  FcResult result = FcResultNoMatch;
  FcPattern* font = fonts->nfont > 0 ? FcFontSetMatch(nullptr, &fonts, 1, wanted, &result) : nullptr;
  FcFontSetDestroy(fonts);
  FcPatternDestroy(wanted);
  return font;
}

// A face drawn from the set-up's font of the family, loaded from its file
// once for the process. Cairo takes the rendering settings a matched font
// carries (anti-aliasing, sub-pixel order, hinting, the auto-hinter,
// emboldening, a matrix, embedded bitmaps: whatever the system's or the
// user's fontconfig files put there) over the contexts' own, so the face is
// made from the font's file and index alone, and only the contexts' options
// shape its glyphs. Without the set-up's fonts (another system's folders)
// the family goes to fontconfig as named, and the pictures are that
// machine's own, its settings included.
cairo_font_face_t* NewFace(const std::string& family, bool bold) {
  FcPattern* font = SetUpFont(family.c_str(), bold);
  if (font == nullptr) {
    std::fprintf(stderr, "gfx: no \"%s\" among the set-up's fonts; drawing it in the font fontconfig finds\n",
                 family.c_str());
    return cairo_toy_font_face_create(family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                                      bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  }
  FcObjectSet* fileAndIndex = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
  FcPattern* file = FcPatternFilter(font, fileAndIndex);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(file);
  FcPatternDestroy(file);
  FcObjectSetDestroy(fileAndIndex);
  FcPatternDestroy(font);
  return face;
}

// Font faces, made once per family and weight for the whole process.
// The last one asked for is remembered by the name's pointer (the displays
// pass string literals), so a frame full of labels compares no names.
cairo_font_face_t* FaceFor(const Font& font) {
  static const char* lastFamily = nullptr;
  static bool lastBold = false;
  static std::string lastPinned;
  static cairo_font_face_t* lastFace = nullptr;
  if (lastFace != nullptr && font.family == lastFamily && font.bold == lastBold && lastPinned == PinnedFamily()) {
    return lastFace;
  }
  FaceCache& faces = Faces();
  if (faces.empty()) {
    static const bool registered = std::atexit(ReleaseFonts) == 0;
    (void)registered;
  }
  const std::string family = FontFamilyFor(font.family);
  auto [entry, added] = faces.try_emplace({family, font.bold}, nullptr);
  if (added) entry->second = NewFace(family, font.bold);
  lastFamily = font.family;
  lastBold = font.bold;
  lastPinned = PinnedFamily();
  lastFace = entry->second;
  return entry->second;
}

// One line of display text as UTF-8 for Cairo, in `out` (four bytes a
// character and a terminator). Characters Cairo would refuse as text
// (surrogates, beyond Unicode, controls) become '?', so a bad string never
// puts the drawing context in error.
int ToDrawableUtf8(const wchar_t* text, size_t length, char* out) {
  int n = 0;
  for (size_t i = 0; i < length; ++i) {
    auto c = static_cast<uint32_t>(text[i]);
    if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = '?';
    if (c < 0x80) {
      out[n++] = static_cast<char>(c);
    } else if (c < 0x800) {
      out[n++] = static_cast<char>(0xC0 | (c >> 6));
      out[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out[n++] = static_cast<char>(0xE0 | (c >> 12));
      out[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out[n++] = static_cast<char>(0xF0 | (c >> 18));
      out[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[n++] = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  out[n] = '\0';
  return n;
}

void SetMatrix(cairo_t* cr, const Matrix& m) {
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, m.xx, m.yx, m.xy, m.yy, m.dx, m.dy);
  cairo_set_matrix(cr, &matrix);
}

void SetColor(cairo_t* cr, Color color) { cairo_set_source_rgb(cr, color.r / 255.0, color.g / 255.0, color.b / 255.0); }

// Adds the path's figures to the context's path under the current matrix.
void AddPieces(cairo_t* cr, const Path& path) {
  for (const Path::Piece& piece : path.Pieces()) {
    switch (piece.op) {
      case Path::Op::Move: cairo_move_to(cr, piece.p[0].x, piece.p[0].y); break;
      case Path::Op::Line: cairo_line_to(cr, piece.p[0].x, piece.p[0].y); break;
      case Path::Op::Curve:
        cairo_curve_to(cr, piece.p[0].x, piece.p[0].y, piece.p[1].x, piece.p[1].y, piece.p[2].x, piece.p[2].y);
        break;
      case Path::Op::Close: cairo_close_path(cr); break;
    }
  }
}

class CairoBackend final : public Backend {
 public:
  explicit CairoBackend(Surface& surface) : surface_(surface), cr_(cairo_create(surface.Native().image)), dc_(cr_) {
    Configure(cr_);
  }
  ~CairoBackend() override {
    FlushEllipses();
    EndLayer();
    if (layerCr_ != nullptr) cairo_destroy(layerCr_);
    cairo_destroy(cr_);
    cairo_surface_flush(surface_.Native().image);
  }

  void Fill(const Path& path, const Matrix& matrix, Color color) override {
    OpenLayer();
    FlushEllipsesUnless(color);
    Build(path, matrix);
    SetColor(dc_, color);
    cairo_fill(dc_);
  }

  // A run of small ellipses in one colour is gathered in the surface's
  // coverage mask and goes through the clip in one composite when the run
  // ends: per ellipse, a Cairo fill (flattening, sorting, scan conversion,
  // the round clip) costs a hundred times what its few pixels do. Those that
  // cannot reach the clip's box are dropped on the way.
  void FillEllipse(const RectF& box, const Matrix& matrix, Color color) override {
    if (OutsideClipBox(box, matrix)) return;
    CoverageMask::Shape& shape = mask_.ShapeOf(box, matrix);
    if (shape.minRadius > kLargestGatheredRadius) {
      FlushEllipses();
      OpenLayer();
      large_.Reset();
      large_.AddEllipse(box);
      Build(large_, matrix);
      SetColor(dc_, color);
      cairo_fill(dc_);
      return;
    }
    if (!mask_.Empty() && !(color == ellipseColor_)) FlushEllipses();
    if (mask_.Empty()) MakeCoverage();
    ellipseColor_ = color;
    mask_.Add(shape, box, matrix, clipBox_);
  }

  void Stroke(const Path& path, const Matrix& matrix, const Pen& pen) override {
    if (StampFigure(path, matrix, pen)) return;
    OpenLayer();
    FlushEllipsesUnless(pen.color);
    Build(path, matrix);
    double width = pen.width;
    if (width <= 0.0) {
      // A hairline: one surface pixel whatever the transform.
      cairo_identity_matrix(dc_);
      width = 1.0;
    }
    cairo_set_line_width(dc_, width);
    if (pen.IsDashed()) {
      const double dashes[] = {pen.dashOn * width, pen.dashOff * width};
      cairo_set_dash(dc_, dashes, 2, 0.0);
    } else {
      cairo_set_dash(dc_, nullptr, 0, 0.0);
    }
    SetColor(dc_, pen.color);
    cairo_stroke(dc_);
  }

  void Clip(const Path& path, const Matrix& matrix, ClipMode mode) override {
    FlushEllipses();
    EndLayer();
    if (mode == ClipMode::Replace) cairo_reset_clip(cr_);
    cairo_new_path(cr_);
    if (mode == ClipMode::Exclude) {
      // Everything the surface shows, less the shape: with the even-odd rule
      // the shape becomes a hole in a rectangle around the whole surface.
      cairo_identity_matrix(cr_);
      cairo_rectangle(cr_, -1.0, -1.0, surface_.Width() + 2.0, surface_.Height() + 2.0);
    }
    SetMatrix(cr_, matrix);
    AddPieces(cr_, path);
    cairo_clip(cr_);
    // What the clip lets through, to pixel edges.
    cairo_identity_matrix(cr_);
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    clipBox_ = PixelBox{static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
                        static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1))}
                   .Intersect(WholeSurface());
    // Cairo clips every primitive to a curved clip on its own, at several
    // times the primitive's cost: under such a clip the primitives go to a
    // layer clipped only to the clip's box, which goes through the clip
    // once when the clip changes or the frame ends. Only pixels the clip
    // cuts through can differ, where primitives overlap, by a rounding.
    cairo_rectangle_list_t* rectangles = cairo_copy_clip_rectangle_list(cr_);
    const bool curved = rectangles->status == CAIRO_STATUS_CLIP_NOT_REPRESENTABLE;
    cairo_rectangle_list_destroy(rectangles);
    if (curved && !clipBox_.Empty() && !surface_.DrawsOneByOne()) BeginLayer();
  }

  void ResetClip() override {
    FlushEllipses();
    EndLayer();
    cairo_reset_clip(cr_);
    clipBox_ = WholeSurface();
  }
  bool Healthy() const override {
    return cairo_status(cr_) == CAIRO_STATUS_SUCCESS &&
           (layerCr_ == nullptr || cairo_status(layerCr_) == CAIRO_STATUS_SUCCESS);
  }

  FontMetrics Metrics(const Font& font, double em, const Matrix& matrix) override {
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(UseFont(font, em, matrix), &extents);
    return {extents.ascent, extents.height};
  }

  double Advance(const wchar_t* text, size_t length, const Font& font, double em, const Matrix& matrix) override {
    cairo_scaled_font_t* scaled = UseFont(font, em, matrix);
    const int count = Glyphs(scaled, text, length, 0.0, 0.0);
    cairo_text_extents_t extents{};
    if (count > 0) cairo_scaled_font_glyph_extents(scaled, glyphs_, count, &extents);
    return extents.x_advance;
  }

  void Text(const wchar_t* text, size_t length, PointF baseline, const Font& font, double em, const Matrix& matrix,
            Color color) override {
    cairo_scaled_font_t* scaled = UseFont(font, em, matrix);
    const int count = Glyphs(scaled, text, length, baseline.x, baseline.y);
    if (count <= 0) return;
    if (StampGlyphs(scaled, matrix, color, count)) return;
    FlushEllipsesUnless(color);
    SetColor(dc_, color);
    cairo_show_glyphs(dc_, glyphs_, count);
  }

 private:
  static void Configure(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, kMiterLimit);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    // Glyphs anti-aliased and placed exactly, without fitting them to the grid.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
  }

  // Primitives go to the surface's layer from the first one drawn on (a
  // clip made in steps, or one nothing is drawn under, costs no layer).
  void BeginLayer() {
    layerWanted_ = true;
    layerBox_ = clipBox_;
  }

  // The layer, emptied within the clip's box, when primitives are wanted there.
  void OpenLayer() {
    if (!layerWanted_ || dc_ != cr_) return;
    cairo_surface_t*& layer = surface_.Native().layer;
    if (layer == nullptr) layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, surface_.Width(), surface_.Height());
    if (layerCr_ == nullptr) {
      layerCr_ = cairo_create(layer);
      Configure(layerCr_);
    }
    cairo_reset_clip(layerCr_);
    cairo_identity_matrix(layerCr_);
    cairo_new_path(layerCr_);
    cairo_rectangle(layerCr_, layerBox_.x0, layerBox_.y0, layerBox_.x1 - layerBox_.x0, layerBox_.y1 - layerBox_.y0);
    cairo_clip(layerCr_);
    cairo_set_operator(layerCr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(layerCr_);
    cairo_set_operator(layerCr_, CAIRO_OPERATOR_OVER);
    dc_ = layerCr_;
  }

  // The layer onto the surface through the clip, and primitives to the surface again.
  void EndLayer() {
    layerWanted_ = false;
    if (dc_ == cr_) return;
    dc_ = cr_;
    cairo_surface_t* layer = surface_.Native().layer;
    cairo_surface_flush(layer);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    cairo_set_source_surface(cr_, layer, 0.0, 0.0);
    cairo_rectangle(cr_, layerBox_.x0, layerBox_.y0, layerBox_.x1 - layerBox_.x0, layerBox_.y1 - layerBox_.y0);
    cairo_fill(cr_);
    SetColor(cr_, {});  // lets the layer go as the source
  }

  void Build(const Path& path, const Matrix& matrix) {
    cairo_new_path(dc_);
    SetMatrix(dc_, matrix);
    AddPieces(dc_, path);
  }

  PixelBox WholeSurface() const { return {0, 0, surface_.Width(), surface_.Height()}; }

  // Whether the ellipse surely lies beyond the clip's box (and its half-pixel
  // fringe): a test on its device centre and the reach of its box's corners.
  bool OutsideClipBox(const RectF& box, const Matrix& m) const {
    const double hx = box.width / 2.0, hy = box.height / 2.0;
    const double x = box.x + hx, y = box.y + hy;
    const double cx = m.xx * x + m.xy * y + m.dx, cy = m.yx * x + m.yy * y + m.dy;
    const double reachX = std::fabs(m.xx) * hx + std::fabs(m.xy) * hy + 0.5;
    const double reachY = std::fabs(m.yx) * hx + std::fabs(m.yy) * hy + 0.5;
    return cx + reachX < clipBox_.x0 || cx - reachX > clipBox_.x1 || cy + reachY < clipBox_.y0 ||
           cy - reachY > clipBox_.y1;
  }

  // The surface's coverage mask, made on the first run of ellipses and kept.
  void MakeCoverage() {
    cairo_surface_t*& coverage = surface_.Native().coverage;
    if (coverage != nullptr) return;
    coverage = cairo_image_surface_create(CAIRO_FORMAT_A8, surface_.Width() + CoverageMask::kSpareColumns,
                                          surface_.Height());
    cairo_surface_flush(coverage);
    std::memset(cairo_image_surface_get_data(coverage), 0,
                static_cast<size_t>(cairo_image_surface_get_stride(coverage)) * surface_.Height());
    mask_.Attach(cairo_image_surface_get_data(coverage), surface_.Width(), surface_.Height(),
                 cairo_image_surface_get_stride(coverage));
  }

  // The run gathered in the mask onto the pixels, within the box it touched.
  void FlushEllipses() {
    if (mask_.Empty()) return;
    OpenLayer();
    cairo_surface_t* coverage = surface_.Native().coverage;
    const PixelBox& dirty = mask_.Dirty();
    cairo_surface_mark_dirty_rectangle(coverage, dirty.x0, dirty.y0, dirty.x1 - dirty.x0, dirty.y1 - dirty.y0);
    cairo_save(dc_);
    cairo_identity_matrix(dc_);
    cairo_new_path(dc_);
    cairo_rectangle(dc_, dirty.x0, dirty.y0, dirty.x1 - dirty.x0, dirty.y1 - dirty.y0);
    cairo_clip(dc_);
    SetColor(dc_, ellipseColor_);
    cairo_mask_surface(dc_, coverage, 0.0, 0.0);
    cairo_restore(dc_);
    cairo_surface_flush(coverage);
    mask_.Clear();
  }

  // Primitives of one colour may go to the pixels in any order (one over the
  // other gives the same whichever comes first), so a primitive in the run's
  // colour leaves the run gathering.
  void FlushEllipsesUnless(Color color) {
    if (!mask_.Empty() && !(color == ellipseColor_)) FlushEllipses();
  }

  // A small closed figure of a solid pen seen before goes into the mask as
  // its stamp; others are stroked by Cairo. Its first point stands within
  // a thirty-second of a pixel of where Cairo would put it.
  bool StampFigure(const Path& path, const Matrix& m, const Pen& pen) {
    const std::vector<Path::Piece>& pieces = path.Pieces();
    if (surface_.DrawsOneByOne() || pen.IsDashed() || !(pen.width > 0.0f) || pieces.size() < 4 || pieces.size() > 64 ||
        pieces.back().op != Path::Op::Close) {
      return false;
    }
    const PointF first = pieces.front().p[0];
    uint64_t key = 1469598103934665603ull;
    auto mix = [&key](int64_t value) { key = (key ^ static_cast<uint64_t>(value)) * 1099511628211ull; };
    mix(std::llround(pen.width * 1024.0));
    for (double entry : {m.xx, m.yx, m.xy, m.yy}) mix(std::llround(entry * 65536.0));
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    for (const Path::Piece& piece : pieces) {
      mix(static_cast<int64_t>(piece.op));
      for (int i = 0; i < piece.PointCount(); ++i) {
        const double rx = piece.p[i].x - first.x, ry = piece.p[i].y - first.y;
        mix(std::llround(rx * 256.0));
        mix(std::llround(ry * 256.0));
        const double x = m.xx * rx + m.xy * ry, y = m.yx * rx + m.yy * ry;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
    // The pen's reach beyond the points, mitred corners included.
    const double scale = std::max(std::hypot(m.xx, m.yx), std::hypot(m.xy, m.yy));
    const double reach = pen.width * 0.5 * scale * kMiterLimit + 2.0;
    constexpr int kSide = FigureStamps::kSide;
    if (maxX - minX + 2.0 * reach > kSide - 2 || maxY - minY + 2.0 * reach > kSide - 2) return false;
    Surface::Pixels& pixels = surface_.Native();
    FigureStamps* figure = nullptr;
    for (FigureStamps& known : pixels.figures) {
      if (known.key == key && known.seen > 0) figure = &known;
    }
    if (figure == nullptr) {  // first seen: drawn by Cairo, stamped when seen again
      FigureStamps& slot = pixels.figures[pixels.nextFigure];
      pixels.nextFigure = (pixels.nextFigure + 1) % Surface::Pixels::kFigures;
      slot.key = key;
      slot.seen = 1;
      slot.drawn.reset();
      slot.offsetX = kSide / 2 - static_cast<int>(std::lround((minX + maxX) / 2.0));
      slot.offsetY = kSide / 2 - static_cast<int>(std::lround((minY + maxY) / 2.0));
      return false;
    }
    const double fx = m.xx * first.x + m.xy * first.y + m.dx, fy = m.yx * first.x + m.yy * first.y + m.dy;
    const double ix = std::floor(fx), iy = std::floor(fy);
    const int x0 = static_cast<int>(ix) - figure->offsetX, y0 = static_cast<int>(iy) - figure->offsetY;
    if (x0 + kSide <= clipBox_.x0 || x0 >= clipBox_.x1 || y0 + kSide <= clipBox_.y0 || y0 >= clipBox_.y1) return true;
    const int px = std::min(static_cast<int>((fx - ix) * FigureStamps::kPhases), FigureStamps::kPhases - 1);
    const int py = std::min(static_cast<int>((fy - iy) * FigureStamps::kPhases), FigureStamps::kPhases - 1);
    const int phase = py * FigureStamps::kPhases + px;
    constexpr size_t kStampBytes = static_cast<size_t>(kSide) * kSide;
    if (figure->bytes.empty()) figure->bytes.resize(kStampBytes * FigureStamps::kPhases * FigureStamps::kPhases);
    uint8_t* stamp = figure->bytes.data() + kStampBytes * static_cast<size_t>(phase);
    if (!figure->drawn.test(static_cast<size_t>(phase))) {
      DrawFigureStamp(path, m, pen, figure->offsetX + (px + 0.5) / FigureStamps::kPhases,
                      figure->offsetY + (py + 0.5) / FigureStamps::kPhases, first, stamp);
      figure->drawn.set(static_cast<size_t>(phase));
    }
    ++figure->seen;
    if (!mask_.Empty() && !(pen.color == ellipseColor_)) FlushEllipses();
    if (mask_.Empty()) MakeCoverage();
    ellipseColor_ = pen.color;
    mask_.AddBytes(stamp, kSide, x0, y0, clipBox_);
    return true;
  }

  // A line's glyphs under a curved clip (the map's labels) into the
  // colour's run from their stamps, when each has one that holds its ink;
  // else nothing, and Cairo shows them. Text under a plain clip goes
  // straight to the pixels: there a run of stamps would gain nothing.
  bool StampGlyphs(cairo_scaled_font_t* scaled, const Matrix& m, Color color, int count) {
    if (surface_.DrawsOneByOne() || !layerWanted_ || m.xy != 0.0 || m.yx != 0.0 || m.xx <= 0.0) return false;
    Surface::Pixels& pixels = surface_.Native();
    if (pixels.glyphs.empty()) pixels.glyphs.resize(Surface::Pixels::kGlyphs);
    GlyphStamp* stamps[kLongestLine];
    for (int i = 0; i < count; ++i) {
      stamps[i] = GlyphStampOf(scaled, m, glyphs_[i].index);
      if (stamps[i] == nullptr) return false;
    }
    if (!mask_.Empty() && !(color == ellipseColor_)) FlushEllipses();
    if (mask_.Empty()) MakeCoverage();
    ellipseColor_ = color;
    for (int i = 0; i < count; ++i) {
      // Cairo puts a glyph's image at the pixel nearest its device origin.
      const double x = m.xx * glyphs_[i].x + m.xy * glyphs_[i].y + m.dx;
      const double y = m.yx * glyphs_[i].x + m.yy * glyphs_[i].y + m.dy;
      const int ix = static_cast<int>(std::floor(x + 0.5)), iy = static_cast<int>(std::floor(y + 0.5));
      mask_.AddBytes(stamps[i]->bytes, GlyphStamp::kSide, ix - GlyphStamp::kOriginX, iy - GlyphStamp::kOriginY,
                     clipBox_);
    }
    return true;
  }

  // The stamp of a glyph of the font under the matrix's turn and scale, or
  // null when its ink does not fit one (a large font).
  GlyphStamp* GlyphStampOf(cairo_scaled_font_t* scaled, const Matrix& m, unsigned long index) {
    Surface::Pixels& pixels = surface_.Native();
    const size_t slots = pixels.glyphs.size();
    size_t at = (reinterpret_cast<uintptr_t>(scaled) / 16 * 31 + index) % slots;
    for (size_t probe = 0; probe < 8; ++probe, at = (at + 1) % slots) {
      GlyphStamp& known = pixels.glyphs[at];
      if (known.font == scaled && known.index == index) return known.fits ? &known : nullptr;
      if (known.font == nullptr) break;
    }
    GlyphStamp& stamp = pixels.glyphs[at];  // a free slot, or the last probed one taken over
    stamp.font = scaled;
    stamp.index = index;
    // Where the glyph's ink lies about its origin, in pixels.
    cairo_glyph_t glyph{index, 0.0, 0.0};
    cairo_text_extents_t ink;
    cairo_scaled_font_glyph_extents(scaled, &glyph, 1, &ink);
    double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;
    for (double cx : {ink.x_bearing, ink.x_bearing + ink.width}) {
      for (double cy : {ink.y_bearing, ink.y_bearing + ink.height}) {
        const double dx = m.xx * cx + m.xy * cy, dy = m.yx * cx + m.yy * cy;
        left = std::min(left, dx);
        right = std::max(right, dx);
        top = std::min(top, dy);
        bottom = std::max(bottom, dy);
      }
    }
    stamp.fits = left > 1.0 - GlyphStamp::kOriginX && right < GlyphStamp::kSide - GlyphStamp::kOriginX - 2.0 &&
                 top > 1.0 - GlyphStamp::kOriginY && bottom < GlyphStamp::kSide - GlyphStamp::kOriginY - 2.0;
    if (!stamp.fits) return nullptr;
    cairo_t* cr = EmptyStamp(pixels.glyphImage, pixels.glyph, GlyphStamp::kSide);
    cairo_matrix_t placed;
    cairo_matrix_init(&placed, m.xx, m.yx, m.xy, m.yy, GlyphStamp::kOriginX, GlyphStamp::kOriginY);
    cairo_set_matrix(cr, &placed);
    cairo_set_scaled_font(cr, scaled);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_show_glyphs(cr, &glyph, 1);
    CopyStamp(pixels.glyphImage, GlyphStamp::kSide, stamp.bytes);
    // No context is kept holding the font (it keeps its last two), so that
    // the fonts can all be let go at exit while a surface still lives.
    cairo_destroy(cr);
    pixels.glyph = nullptr;
    return &stamp;
  }

  // A square A8 surface of `side` and its context, made on first use and
  // kept with the surface, emptied for the next stamp.
  static cairo_t* EmptyStamp(cairo_surface_t*& image, cairo_t*& cr, int side) {
    if (cr == nullptr) {
      // The glyph stamps let their context go after each glyph: the image stays.
      if (image == nullptr) image = cairo_image_surface_create(CAIRO_FORMAT_A8, side, side);
      cr = cairo_create(image);
      Configure(cr);
    }
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    return cr;
  }

  // What was drawn on a stamp surface, row by row into `out`.
  static void CopyStamp(cairo_surface_t* image, int side, uint8_t* out) {
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < side; ++row) std::memcpy(out + row * side, data + row * stride, side);
  }

  // The figure stroked on the stamp surface with its first point at (x, y), copied into `out`.
  void DrawFigureStamp(const Path& path, const Matrix& m, const Pen& pen, double x, double y, PointF first,
                       uint8_t* out) {
    constexpr int kSide = FigureStamps::kSide;
    Surface::Pixels& pixels = surface_.Native();
    cairo_t* cr = EmptyStamp(pixels.stampImage, pixels.stamp, kSide);
    Matrix moved = m;
    moved.dx = x - (m.xx * first.x + m.xy * first.y);
    moved.dy = y - (m.yx * first.x + m.yy * first.y);
    cairo_new_path(cr);
    SetMatrix(cr, moved);
    AddPieces(cr, path);
    cairo_set_line_width(cr, pen.width);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_stroke(cr);
    CopyStamp(pixels.stampImage, kSide, out);
  }

  // The context set to the font at `em` under `matrix`, and that font as Cairo sized it.
  cairo_scaled_font_t* UseFont(const Font& font, double em, const Matrix& matrix) {
    OpenLayer();
    SetMatrix(dc_, matrix);
    cairo_font_face_t* face = FaceFor(font);
    SizedFonts& sized = Sized();
    for (const SizedFont& known : sized.fonts) {
      if (known.Is(face, em, matrix)) {
        cairo_set_scaled_font(dc_, known.scaled);
        return known.scaled;
      }
    }
    cairo_set_font_face(dc_, face);
    cairo_set_font_size(dc_, em);
    SizedFont& slot = sized.fonts[sized.next];
    sized.next = (sized.next + 1) % kSizedFonts;
    if (slot.scaled != nullptr) cairo_scaled_font_destroy(slot.scaled);
    slot = {face, em, matrix.xx, matrix.yx, matrix.xy, matrix.yy, cairo_scaled_font_reference(cairo_get_scaled_font(dc_))};
    return slot.scaled;
  }

  // The glyphs of a line from (x, y) on in glyphs_, as Cairo lays out its
  // text: how many, 0 when Cairo finds none. A line longer than the buffer
  // is cut at its end (no display writes one).
  int Glyphs(cairo_scaled_font_t* scaled, const wchar_t* text, size_t length, double x, double y) {
    length = std::min(length, kLongestLine);
    const int bytes = ToDrawableUtf8(text, length, utf8_);
    cairo_glyph_t* glyphs = glyphs_;
    int count = static_cast<int>(kLongestLine);
    if (cairo_scaled_font_text_to_glyphs(scaled, x, y, utf8_, bytes, &glyphs, &count, nullptr, nullptr, nullptr) !=
        CAIRO_STATUS_SUCCESS) {
      count = 0;
    }
    if (glyphs != glyphs_) {  // Cairo made its own array after all
      count = std::min(count, static_cast<int>(kLongestLine));
      if (count > 0) std::memcpy(glyphs_, glyphs, sizeof(cairo_glyph_t) * static_cast<size_t>(count));
      cairo_glyph_free(glyphs);
    }
    return count;
  }

  static constexpr size_t kLongestLine = 256;
  char utf8_[kLongestLine * 4 + 1];
  cairo_glyph_t glyphs_[kLongestLine];

  Surface& surface_;
  cairo_t* cr_;          // the surface, with the clip
  cairo_t* dc_;          // where primitives go: the surface, or the layer under a curved clip
  cairo_t* layerCr_ = nullptr;
  PixelBox layerBox_;
  bool layerWanted_ = false;  // under a curved clip, whether or not anything was drawn yet
  PixelBox clipBox_{0, 0, surface_.Width(), surface_.Height()};
  CoverageMask& mask_ = surface_.Native().mask;  // the run of ellipses not yet composited
  Color ellipseColor_;
  Path large_;  // an ellipse too large to gather, kept for its storage
};

}  // namespace

std::unique_ptr<Backend> MakeCairoBackend(Surface& surface) { return std::make_unique<CairoBackend>(surface); }

void PinFontFamily(const std::string& family) { PinnedFamily() = family; }

std::string FontFamilyFor(const char* typeface) {
  if (!PinnedFamily().empty()) return PinnedFamily();
  const char* name = typeface != nullptr ? typeface : "";
  for (const TypefaceRow& row : kTypefaces) {
    if (std::strcmp(row.typeface, name) == 0) return row.family;
  }
  return kOtherTypefaces;
}

// ---- Surfaces ------------------------------------------------------------------

Surface::Surface(int width, int height, int designWidth, int designHeight)
    : width_(std::clamp(width, 1, kLargestSide)),
      height_(std::clamp(height, 1, kLargestSide)),
      designWidth_(designWidth > 0 ? std::min(designWidth, kLargestSide) : width_),
      designHeight_(designHeight > 0 ? std::min(designHeight, kLargestSide) : height_),
      pixels_(std::make_unique<Pixels>()) {
  pixels_->image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  Clear({});
}

Surface::~Surface() {
  cairo_surface_destroy(pixels_->image);
  if (pixels_->coverage != nullptr) cairo_surface_destroy(pixels_->coverage);
  if (pixels_->layer != nullptr) cairo_surface_destroy(pixels_->layer);
  if (pixels_->stamp != nullptr) cairo_destroy(pixels_->stamp);
  if (pixels_->glyph != nullptr) cairo_destroy(pixels_->glyph);
  if (pixels_->glyphImage != nullptr) cairo_surface_destroy(pixels_->glyphImage);
  if (pixels_->stampImage != nullptr) cairo_surface_destroy(pixels_->stampImage);
}

void Surface::Clear(Color color) {
  cairo_t* cr = cairo_create(pixels_->image);
  SetColor(cr, color);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(pixels_->image);
}

Color Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_flush(pixels_->image);
  const unsigned char* data = cairo_image_surface_get_data(pixels_->image);
  const int stride = cairo_image_surface_get_stride(pixels_->image);
  uint32_t value = 0;
  std::memcpy(&value, data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4, sizeof(value));
  return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}

bool Surface::WritePng(const std::string& path, std::string* error) const {
  const cairo_status_t status = cairo_surface_write_to_png(pixels_->image, path.c_str());
  if (status == CAIRO_STATUS_SUCCESS) return true;
  if (error != nullptr) *error = "cannot write " + path + ": " + cairo_status_to_string(status);
  return false;
}

DrawingLog& Surface::StartRecording() {
  log_.Clear();
  recording_ = true;
  return log_;
}

DrawingLog* Surface::OpenFrame() {
  ++frames_;
  return recording_ ? &log_ : nullptr;
}

}  // namespace platform::gfx
