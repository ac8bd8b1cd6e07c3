// GPX 1.1: one track of the valid fixes in time order, a new segment after every
// stretch without a fix. Speed (m/s) and course (degrees) go into Garmin's
// TrackPointExtension v2, which most GPX readers understand.
#include <cmath>

#include "telemetry/gps_fix.h"
#include "telemetry/number_text.h"
#include "telemetry/telemetry_export.h"

namespace motrevix {
namespace {

constexpr const char* kGpxHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"Motrevix\"\n"
    "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
    "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
    "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
    "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
    "http://www.topografix.com/GPX/1/1/gpx.xsd "
    "http://www.garmin.com/xmlschemas/TrackPointExtension/v2 "
    "http://www8.garmin.com/xmlschemas/TrackPointExtensionv2.xsd\">\n";

constexpr double kKmhPerMetrePerSecond = 3.6;

void WriteTrackPoint(const CGPSData& g, const GeoPosition& position, std::ostream& out) {
  out << "      <trkpt lat=\"" << FixedText(position.latitude, 8) << "\" lon=\""
      << FixedText(position.longitude, 8) << "\">\n";
  if (const auto time = FixUtcTime(g)) out << "        <time>" << IsoUtcText(*time) << "</time>\n";
  const bool hasSpeed = std::isfinite(g.m_dSpeed) && g.m_dSpeed >= 0;
  const bool hasCourse = std::isfinite(g.m_dCourse);
  if (hasSpeed || hasCourse) {
    out << "        <extensions>\n          <gpxtpx:TrackPointExtension>\n";
    if (hasSpeed)
      out << "            <gpxtpx:speed>" << FixedText(g.m_dSpeed / kKmhPerMetrePerSecond, 4)
          << "</gpxtpx:speed>\n";
    if (hasCourse) {
      // The schema takes 0 <= course < 360.
      double course = std::fmod(g.m_dCourse, 360.0);
      if (course < 0) course += 360.0;
      if (course >= 360.0) course = 0;
      out << "            <gpxtpx:course>" << ShortestSingleText(course) << "</gpxtpx:course>\n";
    }
    out << "          </gpxtpx:TrackPointExtension>\n        </extensions>\n";
  }
  out << "      </trkpt>\n";
}

}  // namespace

void WriteTelemetryGpx(const CTextData& data, const std::string& trackName, std::ostream& out) {
  const std::string name = XmlEscaped(trackName);
  out << kGpxHeader << "  <metadata>\n    <name>" << name << "</name>\n  </metadata>\n"
      << "  <trk>\n    <name>" << name << "</name>\n";
  bool inSegment = false;
  for (const CGPSData& g : data.m_aGPS) {
    const auto position = FixPosition(g);
    if (!position) {
      if (inSegment) out << "    </trkseg>\n";
      inSegment = false;
      continue;
    }
    if (!inSegment) out << "    <trkseg>\n";
    inSegment = true;
    WriteTrackPoint(g, *position, out);
  }
  if (inSegment) out << "    </trkseg>\n";
  out << "  </trk>\n</gpx>\n";
}

}  // namespace motrevix
