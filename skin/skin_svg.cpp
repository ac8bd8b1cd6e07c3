#include "skin/skin_svg.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace motrevix {
namespace {

// The palette: dark plates, light glyphs, one accent.
constexpr const char* kPlateTop = "#2A313C";
constexpr const char* kPlateBottom = "#151A21";
constexpr const char* kPressedTop = "#0E1522";
constexpr const char* kPressedBottom = "#182439";
constexpr const char* kRim = "#3B4452";
constexpr const char* kGlyph = "#C9D1DC";
constexpr const char* kAccent = "#5F96EE";        // RGB(95, 150, 238)
constexpr const char* kAccentStrong = "#1C75F6";  // RGB(28, 117, 246)
constexpr const char* kPressedGlyph = "#8DB7FA";
constexpr const char* kFont = "DejaVu Sans";

QString Num(double value) { return QString::number(value, 'g', 6); }

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The drawing inside a glyph file (its 24 x 24 view box), in the given colour.
QString GlyphBody(const char* name, const char* colour) {
  const QString text = ReadResource(QString(":/skin/art/glyphs/%1.svg").arg(name));
  const qsizetype open = text.indexOf("<svg");
  const qsizetype start = open < 0 ? -1 : text.indexOf('>', open);
  const qsizetype end = text.lastIndexOf("</svg>");
  if (start < 0 || end < start) return {};
  QString body = text.mid(start + 1, end - start - 1);
  body.replace("currentColor", colour);
  return body;
}

QString Glyph(const char* name, const char* colour, double x, double y, double size) {
  return QString("<g transform=\"translate(%1 %2) scale(%3)\">%4</g>")
      .arg(Num(x), Num(y), Num(size / 24.0), GlyphBody(name, colour));
}

// A one-line caption centred on (cx, cy), as large as fits width and height.
QString Caption(const char* text, const char* colour, double cx, double cy, double width,
                double height) {
  const double n = static_cast<double>(std::strlen(text));
  const double size = std::max(6.0, std::min({height * 0.58, width / (n * 0.7), 13.0}));
  return QString(
             "<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-weight=\"bold\" font-size=\"%4\" "
             "text-anchor=\"middle\" fill=\"%5\">%6</text>")
      .arg(Num(cx), Num(cy + size * 0.36), kFont, Num(size), colour, text);
}

QString Open(QSize size) {
  return QString(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
             "viewBox=\"0 0 %1 %2\">")
      .arg(size.width())
      .arg(size.height());
}

QString Gradient(const char* id, const char* top, const char* bottom) {
  return QString(
             "<defs><linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
             "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"1\" stop-color=\"%3\"/>"
             "</linearGradient></defs>")
      .arg(id, top, bottom);
}

const char* InkOf(SkinState state) {
  switch (state) {
    case SkinState::Pressed:
      return kPressedGlyph;
    case SkinState::Lit:
      return kAccent;
    case SkinState::Normal:
      break;
  }
  return kGlyph;
}

// The glyph and caption of a face inside the box (x, y, w, h): the glyph alone
// centred, the caption alone centred, or the glyph left of the caption.
QString Content(const SkinArt& art, double x, double y, double w, double h) {
  const char* ink = InkOf(art.state);
  QString out;
  if (art.glyph != nullptr && art.caption == nullptr) {
    const double side = std::min(w, h) * (std::min(w, h) < 20 ? 0.72 : 0.62);
    out += Glyph(art.glyph, ink, x + (w - side) / 2, y + (h - side) / 2, side);
  } else if (art.glyph != nullptr) {
    const double side = h * 0.7;
    const double gx = x + h * 0.35;
    out += Glyph(art.glyph, ink, gx, y + (h - side) / 2, side);
    const double left = gx + side + 2;
    out += Caption(art.caption, ink, (left + x + w - 4) / 2, y + h / 2, x + w - 4 - left, h);
  } else if (art.caption != nullptr) {
    out += Caption(art.caption, ink, x + w / 2, y + h / 2, w - 6, h);
  }
  return out;
}

QString PlateSvg(const SkinArt& art) {
  const double w = art.size.width();
  const double h = art.size.height();
  const bool pressed = art.state == SkinState::Pressed;
  const double radius = std::min(5.0, std::min(w, h) / 4);
  const char* rim = pressed ? kAccentStrong : art.state == SkinState::Lit ? kAccent : kRim;
  QString svg = Open(art.size);
  svg += pressed ? Gradient("plate", kPressedTop, kPressedBottom)
                 : Gradient("plate", kPlateTop, kPlateBottom);
  svg += QString(
             "<rect x=\"0.5\" y=\"0.5\" width=\"%1\" height=\"%2\" rx=\"%3\" fill=\"url(#plate)\" "
             "stroke=\"%4\"/>")
             .arg(Num(w - 1), Num(h - 1), Num(radius), rim);
  if (!pressed && h >= 14)
    svg += QString("<path d=\"M%1 1.5H%2\" stroke=\"#56606F\" stroke-opacity=\"0.6\"/>")
               .arg(Num(radius + 0.5), Num(w - radius - 0.5));
  const double shift = pressed ? 0.5 : 0;  // a pushed plate moves its content a little
  svg += Content(art, shift, shift, w, h);
  return svg + "</svg>";
}

QString SegmentSvg(const SkinArt& art) {
  const double w = art.size.width();
  const double h = art.size.height();
  const bool pressed = art.state == SkinState::Pressed;
  QString svg = Open(art.size);
  svg += pressed ? Gradient("bar", kPressedTop, kPressedBottom)
                 : Gradient("bar", "#1F252F", "#0D1016");
  svg += QString("<rect width=\"%1\" height=\"%2\" fill=\"url(#bar)\"/>").arg(w).arg(h);
  svg += QString("<rect width=\"%1\" height=\"1\" fill=\"%2\"/>")
             .arg(w)
             .arg(pressed ? kAccentStrong : kRim);
  svg += Content(art, 0, 4, w, h - 8);
  return svg + "</svg>";
}

QString TabSvg(const SkinArt& art) {
  const double w = art.size.width();
  const double h = art.size.height();
  const bool lit = art.state == SkinState::Lit;
  QString svg = Open(art.size);
  svg += lit ? Gradient("tab", "#25324A", "#141B27") : Gradient("tab", kPlateTop, kPlateBottom);
  svg += QString(
             "<path d=\"M0.5 %1V5.5Q0.5 0.5 5.5 0.5H%2Q%3 0.5 %3 5.5V%1Z\" fill=\"url(#tab)\" "
             "stroke=\"%4\"/>")
             .arg(Num(h))
             .arg(Num(w - 5.5))
             .arg(Num(w - 0.5))
             .arg(lit ? kAccent : kRim);
  if (lit)
    svg += QString("<rect x=\"1\" y=\"%1\" width=\"%2\" height=\"3\" fill=\"%3\"/>")
               .arg(Num(h - 3), Num(w - 2), kAccentStrong);
  svg += Content(art, 0, 0, w, h - (lit ? 2 : 0));
  return svg + "</svg>";
}

QString TrackSvg(const SkinArt& art) {
  const double w = art.size.width();
  const double h = art.size.height();
  const bool filled = art.state == SkinState::Lit;
  const double bar = h >= 20 ? 6 : 5;
  const double top = (h - bar) / 2;
  QString svg = Open(art.size);
  svg +=
      filled ? Gradient("track", kAccent, kAccentStrong) : Gradient("track", "#0B0E13", "#262D37");
  svg += QString(
             "<rect x=\"0.5\" y=\"%1\" width=\"%2\" height=\"%3\" rx=\"%4\" fill=\"url(#track)\" "
             "stroke=\"%5\"/>")
             .arg(Num(top + 0.5), Num(w - 1), Num(bar - 1), Num((bar - 1) / 2),
                  filled ? "#2D6FD8" : kRim);
  if (art.caption != nullptr && std::strcmp(art.caption, "tick") == 0)
    svg += QString("<rect x=\"%1\" y=\"%2\" width=\"1\" height=\"%3\" fill=\"%4\"/>")
               .arg(Num(std::floor(w / 2)), Num(top - 3), Num(bar + 6),
                    filled ? "#CFE0FB" : "#8A94A3");
  return svg + "</svg>";
}

QString ThumbSvg(const SkinArt& art) {
  const double w = art.size.width();
  const double h = art.size.height();
  QString svg = Open(art.size);
  svg += QString(
             "<rect x=\"0.5\" y=\"0.5\" width=\"%1\" height=\"%2\" rx=\"1.5\" fill=\"#D5DCE6\" "
             "stroke=\"#7D8796\"/>")
             .arg(Num(w - 1), Num(h - 1));
  if (art.state == SkinState::Lit)
    svg += QString("<rect x=\"2\" y=\"3\" width=\"1\" height=\"%1\" fill=\"%2\"/>")
               .arg(Num(h - 6), kAccentStrong);
  return svg + "</svg>";
}

// Seven segments of one digit cell: a top, b top right, c bottom right, d bottom,
// e bottom left, f top left, g middle.
QString Segments(double x0, const char* lit, const char* segmentsOn) {
  const double left = x0 + 5, right = x0 + 21, top = 5, middle = 18.5, bottom = 32, t = 3.4;
  const auto horizontal = [t](double a, double b, double y) {
    return QString("M%1 %2L%3 %4H%5L%6 %2L%5 %7H%3Z")
        .arg(Num(a + 0.6), Num(y), Num(a + 0.6 + t / 2), Num(y - t / 2), Num(b - 0.6 - t / 2),
             Num(b - 0.6), Num(y + t / 2));
  };
  const auto vertical = [t](double x, double a, double b) {
    return QString("M%1 %2L%3 %4V%5L%1 %6L%7 %5V%4Z")
        .arg(Num(x), Num(a + 0.6), Num(x + t / 2), Num(a + 0.6 + t / 2), Num(b - 0.6 - t / 2),
             Num(b - 0.6), Num(x - t / 2));
  };
  const QString shapes[7] = {horizontal(left, right, top),    vertical(right, top, middle),
                             vertical(right, middle, bottom), horizontal(left, right, bottom),
                             vertical(left, middle, bottom),  vertical(left, top, middle),
                             horizontal(left, right, middle)};
  QString out;
  for (int s = 0; s < 7; ++s) {
    const bool on = std::strchr(segmentsOn, 'a' + s) != nullptr;
    out += QString("<path d=\"%1\" fill=\"%2\"/>").arg(shapes[s], on ? lit : "#19202A");
  }
  return out;
}

QString CellSvg(double x0) {
  return QString(
             "<rect x=\"%1\" y=\"0.5\" width=\"25\" height=\"36\" rx=\"3\" fill=\"#07090D\" "
             "stroke=\"#2A313C\"/>")
      .arg(Num(x0 + 0.5));
}

QString DigitsSvg(const SkinArt& art) {
  static const char* const kOn[11] = {"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                      "acdefg", "abc", "abcdefg", "abcdfg", ""};
  QString svg = Open(art.size);
  for (int cell = 0; cell < 11; ++cell) {
    svg += CellSvg(cell * 26);
    svg += Segments(cell * 26, "#E9EEF5", kOn[cell]);
  }
  return svg + "</svg>";
}

QString GraphSvg(const SkinArt& art) {
  const int w = art.size.width();
  QString svg = Open(art.size);
  // A light grey ground brushed with fine vertical strokes, then the grid rows
  // at exact pixels.
  svg +=
      QString("<rect width=\"%1\" height=\"%2\" fill=\"#C9CDD3\"/>").arg(w).arg(art.size.height());
  for (int x = 1; x < w; x += 3)
    svg += QString("<rect x=\"%1\" width=\"1\" height=\"%2\" fill=\"#C2C6CD\"/>")
               .arg(x)
               .arg(art.size.height());
  for (int row : {0, 1, 9, 17, 25, 33, 41, 49, 57, 65, 66}) {
    const bool strong = row == 17 || row == 33 || row == 49;
    svg += QString("<rect y=\"%1\" width=\"%2\" height=\"1\" fill=\"%3\"/>")
               .arg(row)
               .arg(w)
               .arg(strong ? "#646464" : "#8C8C8C");
  }
  return svg + "</svg>";
}

}  // namespace

QByteArray SkinSvg(const SkinArt& art) {
  QString svg;
  switch (art.look) {
    case SkinLook::Background:
      svg = ReadResource(QString(":/skin/art/backgrounds/%1.svg").arg(art.number));
      break;
    case SkinLook::Plate:
      svg = PlateSvg(art);
      break;
    case SkinLook::Masked:
      svg = PlateSvg(art);  // the store turns the outside pure white
      break;
    case SkinLook::Segment:
      svg = SegmentSvg(art);
      break;
    case SkinLook::Tab:
      svg = TabSvg(art);
      break;
    case SkinLook::Track:
      svg = TrackSvg(art);
      break;
    case SkinLook::Thumb:
      svg = ThumbSvg(art);
      break;
    case SkinLook::Digits:
      svg = DigitsSvg(art);
      break;
    case SkinLook::Graph:
      svg = GraphSvg(art);
      break;
    case SkinLook::Cell:
      svg = Open(art.size) + CellSvg(0) + Segments(0, "#E9EEF5", "") + "</svg>";
      break;
  }
  return svg.toUtf8();
}

}  // namespace motrevix
