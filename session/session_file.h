#pragma once
// A session: everything the user built, as a text file a person can read
// (UTF-8, one object per line, a format version first). Reading checks the
// whole file into a SessionContent before anything of the program changes, so
// that a refused file leaves the current work untouched.

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/space_state.h"

inline constexpr int SessionFormatVersion = 1;
inline constexpr qint64 SessionSizeLimit = 1024 * 1024;

struct SessionContent {
    GraphType kind = GraphType::None;
    bool spaceView = false;
    TPlotFrame frame;  // bounds and graduations
    std::array<TCurveSlot, CurveSlotCount> curves;  // formulas and domains
    std::array<TPointRecord, PointSlots + 1> points;
    int pointCount = 0;
    std::array<TLineRecord, LineCapacity> lines;
    int lineCount = 0;
    std::array<TSegmentRecord, SegmentCapacity> segments;
    int segmentCount = 0;
    std::array<TPolygonRecord, PolygonCapacity> polygons;
    int polygonCount = 0;
    std::array<TFacetRecord, FacetCapacity> facets;
    int facetCount = 0;
    int sequenceState = 0;
    TSpaceFrame spaceFrame;
    std::array<TSphereRecord, SolidSlots + 1> spheres;
    std::array<TCylinderRecord, SolidSlots + 1> cylinders;
    std::array<TConeRecord, SolidSlots + 1> cones;
    TCuttingPlane cuttingPlane;
    std::array<TPlaneRecord, PlaneCapacity> planes;
    int planeCount = 0;
    int sectionKind = 0;
    std::optional<SpaceVector> light;  // a file without it leaves the light where it is
    // The entry fields and switches of the windows, by their name in the file.
    std::map<std::string, QString> controls;
};

struct SessionReading {
    std::optional<SessionContent> content;
    QString error;  // why the file was refused, in French
};

// The program's work as it stands.
SessionContent captureSession();
QByteArray writeSession(const SessionContent& content);
// Checks everything; touches nothing of the program.
SessionReading readSession(const QByteArray& text);
// Puts a read session in place, once the caller has switched to its graph kind
// (which empties the previous work), and repaints.
void applySession(const SessionContent& content);

// The file at `path`, read whole unless it is too large to be a session.
SessionReading readSessionFile(const QString& path);
// Writes a temporary file beside `path` and renames it over the old one, so a
// failed save leaves the previous file whole. Returns why it failed, or nothing.
QString saveSessionFile(const QString& path, const SessionContent& content);
