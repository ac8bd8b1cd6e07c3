"""Reads the telemetry exports with Python's own parsers and prints what they hold
as JSON, so the tests check the files with readers independent of the writer.

    export_oracle.py gpx FILE   -> {"version", "creator", "name", "segments": [[point]]}
    export_oracle.py csv FILE   -> {"header": [...], "rows": [[...]], "crlf": bool}
"""
import csv
import json
import sys
import xml.etree.ElementTree as ET

GPX = "{http://www.topografix.com/GPX/1/1}"
TPX = "{http://www.garmin.com/xmlschemas/TrackPointExtension/v2}"


def read_gpx(path):
    root = ET.parse(path).getroot()
    if root.tag != GPX + "gpx":
        raise SystemExit("root element is " + root.tag)
    segments = []
    tracks = root.findall(GPX + "trk")
    for track in tracks:
        for segment in track.findall(GPX + "trkseg"):
            points = []
            for point in segment.findall(GPX + "trkpt"):
                entry = {"lat": float(point.get("lat")), "lon": float(point.get("lon"))}
                time = point.find(GPX + "time")
                if time is not None:
                    entry["time"] = time.text
                ext = point.find(GPX + "extensions/" + TPX + "TrackPointExtension")
                if ext is not None:
                    for name in ("speed", "course"):
                        value = ext.find(TPX + name)
                        if value is not None:
                            entry[name] = float(value.text)
                points.append(entry)
            segments.append(points)
    name = root.find(GPX + "metadata/" + GPX + "name")
    return {
        "version": root.get("version"),
        "creator": root.get("creator"),
        "tracks": len(tracks),
        "name": name.text if name is not None else None,
        "segments": segments,
    }


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        text = f.read()
    rows = list(csv.reader(text.splitlines(keepends=True)))
    lines = text.split("\n")[:-1]
    return {
        "header": rows[0],
        "rows": rows[1:],
        "crlf": all(line.endswith("\r") for line in lines),
    }


if __name__ == "__main__":
    mode, path = sys.argv[1], sys.argv[2]
    print(json.dumps(read_gpx(path) if mode == "gpx" else read_csv(path)))
