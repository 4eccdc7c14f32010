#include "session/session_file.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QSaveFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringDecoder>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string_view>
#include <vector>

#include "constructions/next_name_labels.h"
#include "constructions/trotzone.h"
#include "constructions/tsymzone.h"
#include "constructions/ttranszone.h"
#include "curves/tanimzone.h"
#include "curves/tcartzone.h"
#include "curves/tfoncpara.h"
#include "curves/tpolairerepere.h"
#include "curves/tpolairezone.h"
#include "curves/tsuitezone.h"
#include "expression/matutil.h"
#include "expression/parsor.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "space/tfonc3d.h"
#include "space/tgrafgl.h"
#include "space/tpossource.h"
#include "space/trepere3d.h"

namespace {

constexpr std::string_view Signature = "lumova-seance";
constexpr std::string_view EndKeyword = "fin";
constexpr int FormulaLengthLimit = 255;
constexpr int ControlTextLimit = 1000;

// ---- The controls a session restores ------------------------------------------

template <auto& window, auto control>
QWidget* controlOf() {
    return window ? window.data()->*control : nullptr;
}

// The window's own handler of a switch, run once the switch is set, as a click
// would: it passes the switch on to the state the graph reads.
template <auto& window, auto handler>
void handlerOf() {
    if (window) (window.data()->*handler)();
}

struct SessionControl {
    const char* name;
    QWidget* (*widget)();
    void (*afterSetting)() = nullptr;
};

// Texts of entry fields and states of switches. A new window's fields only
// need a row here.
const SessionControl Controls[] = {
    {"repere.graduex", controlOf<reperezone, &Treperezone::Editgraduex>},
    {"repere.graduey", controlOf<reperezone, &Treperezone::Editgraduey>},
    {"repere.quadrillage", controlOf<reperezone, &Treperezone::quadrille>},
    {"repere.orthonorme", controlOf<reperezone, &Treperezone::ortho>},
    {"fonction.f", controlOf<foncZone, &TfoncZone::Editf>},
    {"fonction.g", controlOf<foncZone, &TfoncZone::Editg>},
    {"fonction.h", controlOf<foncZone, &TfoncZone::Edith>},
    {"fonction.i", controlOf<foncZone, &TfoncZone::Editi>},
    {"fonction.masquer", controlOf<foncZone, &TfoncZone::cache>},
    {"animation.f", controlOf<animzone, &Tanimzone::Editf>},
    {"animation.g", controlOf<animzone, &Tanimzone::Editg>},
    {"animation.kmin", controlOf<animzone, &Tanimzone::editymin>},
    {"animation.kmax", controlOf<animzone, &Tanimzone::editymax>},
    {"animation.pas", controlOf<animzone, &Tanimzone::Editpas>},
    {"cartesienne.equation", controlOf<CARTZONE, &TCARTZONE::Editf>},
    {"suite.f", controlOf<suitezone, &Tsuitezone::RadioButton1>},
    {"suite.g", controlOf<suitezone, &Tsuitezone::RadioButton2>},
    {"suite.h", controlOf<suitezone, &Tsuitezone::RadioButton3>},
    {"suite.i", controlOf<suitezone, &Tsuitezone::RadioButton4>},
    {"suite.explicite", controlOf<suitezone, &Tsuitezone::RadioButton6>},
    {"suite.recurrente", controlOf<suitezone, &Tsuitezone::RadioButton7>},
    {"suite.uo", controlOf<suitezone, &Tsuitezone::uo>},
    {"suite.termes", controlOf<suitezone, &Tsuitezone::terme>},
    // The graph reads the ranges' texts as they stand in the fields.
    {"parametree.x", controlOf<foncpara, &Tfoncpara::Editf>},
    {"parametree.y", controlOf<foncpara, &Tfoncpara::Editg>},
    {"parametree.min", controlOf<foncpara, &Tfoncpara::editymin>},
    {"parametree.max", controlOf<foncpara, &Tfoncpara::editymax>},
    {"parametree.masquer", controlOf<foncpara, &Tfoncpara::cache>, handlerOf<foncpara, &Tfoncpara::cacheClick>},
    {"polaire.r", controlOf<polairezone, &Tpolairezone::R>},
    {"polaire.min", controlOf<polairezone, &Tpolairezone::editrmin>},
    {"polaire.max", controlOf<polairezone, &Tpolairezone::editrmax>},
    {"polaire.masquer", controlOf<polairezone, &Tpolairezone::cache>,
     handlerOf<polairezone, &Tpolairezone::cacheClick>},
    {"grillepolaire.cercles", controlOf<polairerepere, &Tpolairerepere::cerc>},
    {"grillepolaire.rayons", controlOf<polairerepere, &Tpolairerepere::ray>},
    {"grillepolaire.cercles_vus", controlOf<polairerepere, &Tpolairerepere::quadrillecercle>,
     handlerOf<polairerepere, &Tpolairerepere::quadrillecercleClick>},
    {"grillepolaire.rayons_vus", controlOf<polairerepere, &Tpolairerepere::quadrillerayon>,
     handlerOf<polairerepere, &Tpolairerepere::quadrillecercleClick>},
    // Whether the images' constructions are drawn.
    {"translation.vecteurs", controlOf<transzone, &Ttranszone::vecteur>},
    {"symetrie.construction", controlOf<symzone, &Tsymzone::axe>},
    {"rotation.construction", controlOf<rotzone, &Trotzone::construction>},
    {"espace.surface", controlOf<fonc3d, &Tfonc3d::Editf>},
    {"espace.trame", controlOf<repere3d, &Trepere3d::fil>, handlerOf<repere3d, &Trepere3d::filClick>},
    {"espace.axes", controlOf<repere3d, &Trepere3d::reperevu>, handlerOf<repere3d, &Trepere3d::filClick>},
    {"lumiere.x", controlOf<possource, &Tpossource::Edita>},
    {"lumiere.y", controlOf<possource, &Tpossource::Editb>},
    {"lumiere.z", controlOf<possource, &Tpossource::Editc>},
};

const SessionControl* controlNamed(std::string_view name) {
    for (const SessionControl& control : Controls)
        if (name == control.name) return &control;
    return nullptr;
}

std::optional<QString> controlValue(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return QString(button->isChecked() ? "1" : "0");
    return std::nullopt;
}

void setControlValue(QWidget* widget, const QString& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        if (auto* colourEdit = qobject_cast<ColourEdit*>(widget)) colourEdit->paintBlack();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setChecked(value == "1");
    }
}

bool isSwitch(const SessionControl& control) {
    QWidget* widget = control.widget();
    return widget && qobject_cast<QAbstractButton*>(widget);
}

// ---- Reading one line ----------------------------------------------------------

struct Refusal {
    QString text;
};

[[noreturn]] void refuse(const QString& text) { throw Refusal{text}; }

QString inQuotes(std::string_view text) {
    return QString::fromUtf8("« %1 »").arg(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

class LineFields {
public:
    explicit LineFields(std::string_view line) : line_(line) {}

    std::string_view word() {
        while (position_ < line_.size() && line_[position_] == ' ') ++position_;
        const std::size_t start = position_;
        while (position_ < line_.size() && line_[position_] != ' ') ++position_;
        if (start == position_) refuse(QString::fromUtf8("la ligne est incomplète."));
        return line_.substr(start, position_ - start);
    }

    // The C library's reader, unlike from_chars, gives back the tiniest values
    // the writer can produce, and reads the same whatever the user's language.
    long double number() {
        static const locale_t plainLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
        const std::string text(word());
        char* end = nullptr;
        const long double value = strtold_l(text.c_str(), &end, plainLocale);
        if (end != text.c_str() + text.size())
            refuse(QString::fromUtf8("%1 n'est pas un nombre.").arg(inQuotes(text)));
        if (!std::isfinite(value)) refuse(QString::fromUtf8("%1 n'est pas un nombre fini.").arg(inQuotes(text)));
        return value;
    }

    int integer(int lowest, int highest) {
        const std::string_view text = word();
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
            refuse(QString::fromUtf8("%1 n'est pas un entier de %2 à %3.").arg(inQuotes(text)).arg(lowest).arg(highest));
        return value;
    }

    bool flag() { return integer(0, 1) == 1; }

    // The rest of the line after the single space that follows the last field.
    std::string_view rest() {
        if (position_ < line_.size()) ++position_;
        const std::string_view text = line_.substr(position_);
        position_ = line_.size();
        return text;
    }

    void end() {
        while (position_ < line_.size() && line_[position_] == ' ') ++position_;
        if (position_ != line_.size())
            refuse(QString::fromUtf8("%1 est de trop.").arg(inQuotes(line_.substr(position_))));
    }

private:
    std::string_view line_;
    std::size_t position_ = 0;
};

// ---- Writing ------------------------------------------------------------------

// The shortest text that reads back as the same 80-bit value.
std::string numberText(long double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class Lines {
public:
    Lines& operator<<(std::string_view word) {
        if (!line_.empty()) line_ += ' ';
        line_ += word;
        return *this;
    }
    Lines& operator<<(const char* word) { return *this << std::string_view(word); }
    Lines& operator<<(long double value) { return *this << numberText(value); }
    Lines& operator<<(int value) { return *this << std::to_string(value); }
    Lines& operator<<(bool value) { return *this << (value ? "1" : "0"); }
    // Texts go last: they may hold spaces.
    Lines& text(const QString& value) {
        line_ += ' ';
        line_ += value.toUtf8().toStdString();
        return *this;
    }
    void endLine() {
        out_ += line_ + '\n';
        line_.clear();
    }
    const std::string& out() const { return out_; }

private:
    std::string line_;
    std::string out_;
};

// ---- The kinds of content ------------------------------------------------------

struct ContentKind {
    const char* keyword;
    // Writes every line of this kind (none when there is nothing to save).
    void (*write)(const SessionContent&, Lines&);
    // Reads one line of this kind into the session being read.
    void (*read)(LineFields&, SessionContent&);
};

void writeGraph(const SessionContent& content, Lines& lines) {
    lines << "graphe" << int(content.kind) << content.spaceView;
    lines.endLine();
}

void readGraph(LineFields& fields, SessionContent& content) {
    content.kind = GraphType(fields.integer(0, 5));
    content.spaceView = fields.flag();
}

void writeFrame(const SessionContent& content, Lines& lines) {
    const TPlotFrame& f = content.frame;
    lines << "repere" << f.xmin << f.xmax << f.ymin << f.ymax << f.graduex << f.graduey;
    lines.endLine();
}

void readFrame(LineFields& fields, SessionContent& content) {
    TPlotFrame& f = content.frame;
    for (long double* value : {&f.xmin, &f.xmax, &f.ymin, &f.ymax, &f.graduex, &f.graduey}) *value = fields.number();
    if (!(f.xmin < f.xmax) || !(f.ymin < f.ymax))
        refuse(QString::fromUtf8("les bornes du repère ne sont pas dans l'ordre."));
    if (!(f.graduex > 0) || !(f.graduey > 0)) refuse(QString::fromUtf8("les graduations doivent être positives."));
}

// Formulas are Latin-1 inside the program.
QString slotText(const std::string& formula) { return QString::fromLatin1(formula.data(), qsizetype(formula.size())); }

void writeSlots(const SessionContent& content, Lines& lines) {
    for (int slot = 0; slot < CurveSlotCount; ++slot) {
        const TCurveSlot& curve = content.curves[slot];
        if (curve.formula.empty() && !curve.domain.restricted) continue;
        lines << "fonction" << slot << curve.domain.restricted << curve.domain.lo << curve.domain.hi;
        lines.text(slotText(curve.formula));
        lines.endLine();
    }
}

std::string latin1Formula(std::string_view text) {
    const QString formula = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (const QChar character : formula)
        if (character.unicode() > 0xFF || character.unicode() < 0x20)
            refuse(QString::fromUtf8("la formule %1 contient un caractère interdit.").arg(inQuotes(text)));
    if (formula.size() > FormulaLengthLimit) refuse(QString::fromUtf8("la formule est trop longue."));
    return formula.toLatin1().toStdString();
}

// Every slot, the surface's too, holds its formula normalised: normalising it
// again would break the "exp" of e(x).
bool formulaCompiles(const std::string& formula) {
    TExpress expression;
    expression.setExpression(formula);
    return !expression.SyntaxError();
}

void readSlot(LineFields& fields, SessionContent& content) {
    const int slot = fields.integer(0, CurveSlotCount - 1);
    TCurveSlot& curve = content.curves[slot];
    curve.domain.restricted = fields.flag();
    curve.domain.lo = fields.number();
    curve.domain.hi = fields.number();
    const std::string_view text = fields.rest();
    curve.formula = latin1Formula(text);
    if (!curve.formula.empty() && !formulaCompiles(curve.formula))
        refuse(QString::fromUtf8("la formule %1 est incorrecte.").arg(inQuotes(text)));
}

void writePoints(const SessionContent& content, Lines& lines) {
    lines << "points" << content.pointCount;
    lines.endLine();
    for (int slot = 1; slot <= content.pointCount; ++slot) {
        if (slot == OriginSlot) continue;
        const TPointRecord& p = content.points[slot];
        lines << "point" << slot << int(p.kind) << int(p.slot) << p.x << p.y << p.z << p.source << p.first
              << p.second << p.factor << p.angle << p.trace << p.showName << p.ref1 << p.ref2;
        lines.endLine();
    }
}

void readPointCount(LineFields& fields, SessionContent& content) {
    // Right after the 14th point the count stands on the origin's slot: it never reads 14.
    const int count = fields.integer(0, MaxUserPoints);
    if (count == OriginSlot - 1) refuse(QString::fromUtf8("le nombre de points ne peut pas valoir 14."));
    content.pointCount = count;
}

void readPoint(LineFields& fields, SessionContent& content) {
    const int slot = fields.integer(1, MaxUserPoints);
    if (slot == OriginSlot) refuse(QString::fromUtf8("la place de l'origine O est réservée."));
    TPointRecord& p = content.points[slot];
    if (p.kind != PointKind::Unused) refuse(QString::fromUtf8("le point %1 est décrit deux fois.").arg(slot));
    p.kind = PointKind(fields.integer(int(PointKind::Free), int(PointKind::ProjectionOnY)));
    p.slot = std::uint8_t(fields.integer(0, 4));
    p.x = fields.number();
    p.y = fields.number();
    p.z = fields.number();
    p.source = fields.integer(0, PointSlots);
    p.first = fields.integer(0, PointSlots);
    p.second = fields.integer(0, PointSlots);
    p.factor = fields.number();
    p.angle = fields.number();
    p.trace = fields.flag();
    p.showName = fields.flag();
    p.ref1 = fields.integer(0, PointSlots);
    p.ref2 = fields.integer(0, PointSlots);
}

void writeLines(const SessionContent& content, Lines& lines) {
    for (int i = 0; i < content.lineCount; ++i) {
        const TLineRecord& l = content.lines[i];
        lines << "droite" << int(l.kind) << l.p1 << l.p2 << int(l.slot) << l.a << l.b << l.c << l.d;
        lines.endLine();
    }
}

// Appends to a table of the session, refusing what its capacity cannot hold.
template <class Record, std::size_t Capacity>
Record& appended(std::array<Record, Capacity>& table, int& count, const char* what) {
    if (count >= int(Capacity)) refuse(QString::fromUtf8("plus de %1 %2.").arg(Capacity).arg(QString::fromUtf8(what)));
    return table[count++];
}

void readLine(LineFields& fields, SessionContent& content) {
    TLineRecord& l = appended(content.lines, content.lineCount, "droites");
    l.kind = LineKind(fields.integer(int(LineKind::TwoPoints), int(LineKind::Direction)));
    l.p1 = fields.integer(0, PointSlots);
    l.p2 = fields.integer(0, PointSlots);
    l.slot = std::uint8_t(fields.integer(0, 4));
    for (long double* value : {&l.a, &l.b, &l.c, &l.d}) *value = fields.number();
}

void writeSegments(const SessionContent& content, Lines& lines) {
    for (int i = 0; i < content.segmentCount; ++i) {
        lines << "segment" << content.segments[i].p1 << content.segments[i].p2;
        lines.endLine();
    }
}

void readSegment(LineFields& fields, SessionContent& content) {
    TSegmentRecord& s = appended(content.segments, content.segmentCount, "segments");
    s.p1 = fields.integer(1, PointSlots);
    s.p2 = fields.integer(1, PointSlots);
}

void writePolygons(const SessionContent& content, Lines& lines) {
    for (int i = 0; i < content.polygonCount; ++i) {
        const TPolygonRecord& polygon = content.polygons[i];
        lines << "polygone" << polygon.smoothed << polygon.vertexCount;
        for (int v = 0; v < polygon.vertexCount; ++v) lines << polygon.vertices[v];
        lines.endLine();
    }
}

void readPolygon(LineFields& fields, SessionContent& content) {
    TPolygonRecord& polygon = appended(content.polygons, content.polygonCount, "polygones");
    polygon.smoothed = fields.flag();
    polygon.vertexCount = fields.integer(2, PolygonVertexCapacity);
    for (int v = 0; v < polygon.vertexCount; ++v) polygon.vertices[v] = fields.integer(1, PointSlots);
}

void writeFacets(const SessionContent& content, Lines& lines) {
    for (int i = 0; i < content.facetCount; ++i) {
        lines << "facette";
        for (const int point : content.facets[i].points) lines << point;
        lines.endLine();
    }
}

void readFacet(LineFields& fields, SessionContent& content) {
    TFacetRecord& facet = appended(content.facets, content.facetCount, "facettes");
    for (int& point : facet.points) point = fields.integer(0, PointSlots);
}

void writeSequence(const SessionContent& content, Lines& lines) {
    lines << "suite" << content.sequenceState;
    lines.endLine();
}

void readSequence(LineFields& fields, SessionContent& content) { content.sequenceState = fields.integer(0, 2); }

void writeSpace(const SessionContent& content, Lines& lines) {
    const TSpaceFrame& f = content.spaceFrame;
    // The z range follows from the surface, prepared again on opening.
    lines << "espace" << f.xmin << f.xmax << f.ymin << f.ymax;
    lines.endLine();
}

void readSpace(LineFields& fields, SessionContent& content) {
    TSpaceFrame& f = content.spaceFrame;
    for (long double* value : {&f.xmin, &f.xmax, &f.ymin, &f.ymax}) *value = fields.number();
    if (!(f.xmin < f.xmax) || !(f.ymin < f.ymax))
        refuse(QString::fromUtf8("les bornes de l'espace ne sont pas dans l'ordre."));
}

// The space windows turn every number they cannot read into this value and
// refuse it: it never stands in one of their objects.
long double windowNumber(LineFields& fields) {
    const long double value = fields.number();
    if (value == ErrorValue)
        refuse(QString::fromUtf8("la valeur %1 est réservée aux erreurs de saisie.").arg(numberText(value).c_str()));
    return value;
}

// A solid slot read once only.
template <class Record>
Record& solidSlot(LineFields& fields, std::array<Record, SolidSlots + 1>& table, const char* what) {
    const int slot = fields.integer(1, SolidSlots);
    if (table[slot].present)
        refuse(QString::fromUtf8("%1 %2 apparaît deux fois.").arg(QString::fromUtf8(what)).arg(slot));
    table[slot].present = true;
    return table[slot];
}

void writeRecord(const TSphereRecord& s, Lines& lines) { lines << s.a << s.b << s.c << s.r; }
void writeRecord(const TCylinderRecord& c, Lines& lines) { lines << c.kind << c.a << c.b << c.c << c.R; }
void writeRecord(const TConeRecord& c, Lines& lines) { lines << c.kind << c.x1 << c.y1 << c.z1 << c.beta; }

// One line per solid present: its keyword, its slot and its record.
template <class Record>
void writeSolids(const std::array<Record, SolidSlots + 1>& table, const char* keyword, Lines& lines) {
    for (int slot = 1; slot <= SolidSlots; ++slot) {
        if (!table[slot].present) continue;
        lines << keyword << slot;
        writeRecord(table[slot], lines);
        lines.endLine();
    }
}

void readSphere(LineFields& fields, SessionContent& content) {
    TSphereRecord& s = solidSlot(fields, content.spheres, "la sphère");
    for (long double* value : {&s.a, &s.b, &s.c, &s.r}) *value = windowNumber(fields);
}

// The cylinder window keeps its solids inside the view: every number below 10,
// and 0 along the axis.
void readCylinder(LineFields& fields, SessionContent& content) {
    TCylinderRecord& c = solidSlot(fields, content.cylinders, "le cylindre");
    c.kind = fields.integer(1, 3);
    for (long double* value : {&c.a, &c.b, &c.c, &c.R}) *value = fields.number();
    for (const long double value : {c.a, c.b, c.c, c.R})
        if (!(value < 10)) refuse(QString::fromUtf8("les nombres d'un cylindre doivent être inférieurs à 10."));
    const long double alongAxis = c.kind == 1 ? c.c : c.kind == 2 ? c.b : c.a;
    if (alongAxis != 0) refuse(QString::fromUtf8("le cylindre a une coordonnée le long de son axe."));
}

void readCone(LineFields& fields, SessionContent& content) {
    TConeRecord& c = solidSlot(fields, content.cones, "le cône");
    c.kind = fields.integer(1, 3);
    for (long double* value : {&c.x1, &c.y1, &c.z1, &c.beta}) *value = windowNumber(fields);
    if (!(c.beta > 0)) refuse(QString::fromUtf8("le coefficient d'un cône doit être positif."));
}

void writeCuttingPlane(const SessionContent& content, Lines& lines) {
    if (!content.cuttingPlane.present) return;
    lines << "plan_de_coupe" << content.cuttingPlane.kind << content.cuttingPlane.k;
    lines.endLine();
}

void readCuttingPlane(LineFields& fields, SessionContent& content) {
    if (content.cuttingPlane.present) refuse(QString::fromUtf8("le plan de coupe est décrit deux fois."));
    content.cuttingPlane.present = true;
    content.cuttingPlane.kind = fields.integer(1, 3);
    content.cuttingPlane.k = windowNumber(fields);
}

void writePlanes(const SessionContent& content, Lines& lines) {
    for (int i = 0; i < content.planeCount; ++i) {
        const TPlaneRecord& p = content.planes[i];
        lines << "plan" << p.a << p.b << p.c << p.d;
        lines.endLine();
    }
}

void readPlane(LineFields& fields, SessionContent& content) {
    TPlaneRecord& p = appended(content.planes, content.planeCount, "plans");
    for (long double* value : {&p.a, &p.b, &p.c, &p.d}) *value = windowNumber(fields);
    if (p.a == 0 && p.b == 0 && p.c == 0)
        refuse(QString::fromUtf8("l'équation d'un plan a un coefficient non nul devant x, y ou z."));
}

void writeSection(const SessionContent& content, Lines& lines) {
    lines << "section" << content.sectionKind;
    lines.endLine();
}

void readSection(LineFields& fields, SessionContent& content) { content.sectionKind = fields.integer(0, 4); }

void writeLight(const SessionContent& content, Lines& lines) {
    if (!content.light) return;
    lines << "lumiere" << content.light->x << content.light->y << content.light->z;
    lines.endLine();
}

void readLight(LineFields& fields, SessionContent& content) {
    SpaceVector& light = content.light.emplace();
    for (long double* value : {&light.x, &light.y, &light.z}) *value = windowNumber(fields);
}

void writeControls(const SessionContent& content, Lines& lines) {
    for (const auto& [name, value] : content.controls) {
        lines << "champ" << name;
        lines.text(value);
        lines.endLine();
    }
}

void readControl(LineFields& fields, SessionContent& content) {
    const std::string_view name = fields.word();
    const SessionControl* control = controlNamed(name);
    if (!control) refuse(QString::fromUtf8("le champ %1 n'existe pas.").arg(inQuotes(name)));
    const std::string_view text = fields.rest();
    const QString value = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (value.size() > ControlTextLimit) refuse(QString::fromUtf8("le texte du champ %1 est trop long.").arg(inQuotes(name)));
    if (isSwitch(*control) && value != "0" && value != "1")
        refuse(QString::fromUtf8("le champ %1 vaut 0 ou 1.").arg(inQuotes(name)));
    content.controls[control->name] = value;
}

// In the order they are written. Adding a kind of content: its part of
// SessionContent, one writer, one reader, one row here, and its lines in
// captureSession and applySession. "points" writes the count and every point.
const ContentKind Kinds[] = {
    {"graphe", writeGraph, readGraph},
    {"repere", writeFrame, readFrame},
    {"fonction", writeSlots, readSlot},
    {"points", writePoints, readPointCount},
    {"point", nullptr, readPoint},
    {"droite", writeLines, readLine},
    {"segment", writeSegments, readSegment},
    {"polygone", writePolygons, readPolygon},
    {"facette", writeFacets, readFacet},
    {"suite", writeSequence, readSequence},
    {"espace", writeSpace, readSpace},
    {"sphere", [](const SessionContent& c, Lines& lines) { writeSolids(c.spheres, "sphere", lines); }, readSphere},
    {"cylindre", [](const SessionContent& c, Lines& lines) { writeSolids(c.cylinders, "cylindre", lines); }, readCylinder},
    {"cone", [](const SessionContent& c, Lines& lines) { writeSolids(c.cones, "cone", lines); }, readCone},
    {"plan_de_coupe", writeCuttingPlane, readCuttingPlane},
    {"plan", writePlanes, readPlane},
    {"section", writeSection, readSection},
    {"lumiere", writeLight, readLight},
    {"champ", writeControls, readControl},
};

const ContentKind* kindNamed(std::string_view keyword) {
    for (const ContentKind& kind : Kinds)
        if (keyword == kind.keyword) return &kind;
    return nullptr;
}

// ---- Checks over the whole session ---------------------------------------------

// A point may only lean on the origin, the ends of the vectors i and j, or on
// points made before it, so that no chain of images loops.
bool earlierPoint(int reference, int slot) {
    return reference == OriginSlot || reference == UnitXSlot || reference == UnitYSlot
           || (reference >= 1 && reference < slot);
}

std::vector<int> pointReferences(const TPointRecord& p) {
    switch (p.kind) {
        case PointKind::Translation:
        case PointKind::AxialSymmetry: return {p.source, p.first, p.second};
        case PointKind::Rotation: return {p.source, p.first};
        case PointKind::Midpoint: return {p.ref1, p.ref2};
        case PointKind::ProjectionOnX:
        case PointKind::ProjectionOnY: return {p.ref1};
        default: return {};
    }
}

void checkPoints(const SessionContent& content) {
    for (int slot = 1; slot <= MaxUserPoints; ++slot) {
        if (slot == OriginSlot) continue;
        const TPointRecord& p = content.points[slot];
        const bool expected = slot <= content.pointCount;
        if (expected != (p.kind != PointKind::Unused))
            refuse(QString::fromUtf8(expected ? "le point %1 manque." : "le point %1 dépasse le nombre de points.")
                       .arg(QString::fromStdString(PointName(slot))));
        if (p.kind == PointKind::OnCurve && p.slot == 0)
            refuse(QString::fromUtf8("le point %1 n'est sur aucune fonction.").arg(QString::fromStdString(PointName(slot))));
        for (const int reference : pointReferences(p))
            if (!earlierPoint(reference, slot))
                refuse(QString::fromUtf8("le point %1 dépend d'un point qui n'existe pas.")
                           .arg(QString::fromStdString(PointName(slot))));
    }
}

bool existingPoint(const SessionContent& content, int reference) {
    return reference == OriginSlot || (reference >= 1 && reference <= content.pointCount);
}

void checkReferences(const SessionContent& content, const std::vector<int>& references, const char* what) {
    for (const int reference : references)
        if (!existingPoint(content, reference))
            refuse(QString::fromUtf8("%1 passe par un point qui n'existe pas.").arg(QString::fromUtf8(what)));
}

// Leaving the space view takes its solids and planes away: only a session of
// the space view can hold them.
void checkSpaceObjects(const SessionContent& content) {
    if (content.spaceView) return;
    bool solid = content.cuttingPlane.present || content.planeCount > 0;
    for (int slot = 1; slot <= SolidSlots; ++slot)
        solid = solid || content.spheres[slot].present || content.cylinders[slot].present || content.cones[slot].present;
    if (solid) refuse(QString::fromUtf8("les solides et les plans n'existent que dans le repère de l'espace."));
}

void checkConstructions(const SessionContent& content) {
    checkPoints(content);
    for (int i = 0; i < content.lineCount; ++i) {
        const TLineRecord& l = content.lines[i];
        if (l.kind == LineKind::TwoPoints) checkReferences(content, {l.p1, l.p2}, "une droite");
    }
    for (int i = 0; i < content.segmentCount; ++i)
        checkReferences(content, {content.segments[i].p1, content.segments[i].p2}, "un segment");
    for (int i = 0; i < content.polygonCount; ++i) {
        const TPolygonRecord& polygon = content.polygons[i];
        checkReferences(content, {polygon.vertices.begin(), polygon.vertices.begin() + polygon.vertexCount},
                        "un polygone");
    }
    for (int i = 0; i < content.facetCount; ++i)
        for (const int point : content.facets[i].points)
            if (point != 0) checkReferences(content, {point}, "une facette");
}

// Lines of the file without their ends; a stray control character is refused.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

void checkCharacters(std::string_view line) {
    for (const char character : line)
        if (static_cast<unsigned char>(character) < 0x20 && character != '\t')
            refuse(QString::fromUtf8("la ligne contient un caractère de contrôle."));
}

SessionContent readLines(const std::vector<std::string_view>& lines) {
    SessionContent content;
    bool versionRead = false, ended = false;
    for (std::size_t number = 0; number < lines.size(); ++number) {
        try {
            const std::string_view line = lines[number];
            checkCharacters(line);
            if (line.empty() || line.front() == '#') continue;
            if (ended) refuse(QString::fromUtf8("du texte suit la fin de la séance."));
            LineFields fields(line);
            const std::string_view keyword = fields.word();
            if (!versionRead) {
                if (keyword != Signature) refuse(QString::fromUtf8("ce n'est pas un fichier de séance Lumova."));
                const int version = fields.integer(0, 1000);
                if (version != SessionFormatVersion)
                    refuse(QString::fromUtf8("la version %1 du format n'est pas connue de ce programme.").arg(version));
                versionRead = true;
            } else if (keyword == EndKeyword) {
                ended = true;
            } else if (const ContentKind* kind = kindNamed(keyword)) {
                kind->read(fields, content);
            } else {
                refuse(QString::fromUtf8("%1 est inconnu.").arg(inQuotes(keyword)));
            }
            fields.end();
        } catch (const Refusal& refusal) {
            refuse(QString::fromUtf8("ligne %1 : %2").arg(number + 1).arg(refusal.text));
        }
    }
    if (!versionRead) refuse(QString::fromUtf8("ce n'est pas un fichier de séance Lumova."));
    if (!ended) refuse(QString::fromUtf8("le fichier est tronqué (la ligne « fin » manque)."));
    checkConstructions(content);
    checkSpaceObjects(content);
    return content;
}

// The space window writes the position and the name switch of its points and
// nothing else, so a slot keeps the kind the plane gave it before, or none:
// saved as they are, its points would make a file this program refuses.
void markSpacePoints(SessionContent& content) {
    for (int slot = 1; slot <= content.pointCount; ++slot) {
        if (slot == OriginSlot) continue;
        const TPointRecord& written = content.points[slot];
        TPointRecord point;
        point.kind = PointKind::Fixed;
        point.x = written.x;
        point.y = written.y;
        point.z = written.z;
        point.showName = written.showName;
        content.points[slot] = point;
    }
}

}  // namespace

SessionContent captureSession() {
    SessionContent content;
    content.kind = GraphKind;
    content.spaceView = grafgl && grafgl->isVisible();
    content.frame = PlotFrame;
    content.curves = CurveSlot;
    content.points = PointTable;
    content.pointCount = PointCount;
    content.lines = LineTable;
    content.lineCount = LineCount;
    content.segments = SegmentTable;
    content.segmentCount = SegmentCount;
    content.polygons = PolygonTable;
    content.polygonCount = PolygonCount;
    content.facets = FacetTable;
    content.facetCount = FacetCount;
    content.sequenceState = SequenceState;
    content.spaceFrame = SpaceFrame;
    content.spheres = SphereTable;
    content.cylinders = CylinderTable;
    content.cones = ConeTable;
    content.cuttingPlane = CuttingPlane;
    content.planes = PlaneTable;
    content.planeCount = PlaneCount;
    content.sectionKind = SectionKind;
    content.light = LightPosition;
    if (content.spaceView) markSpacePoints(content);
    for (const SessionControl& control : Controls)
        if (QWidget* widget = control.widget())
            if (const auto value = controlValue(widget)) content.controls[control.name] = *value;
    return content;
}

QByteArray writeSession(const SessionContent& content) {
    Lines lines;
    lines << "#" << "Séance Lumova";
    lines.endLine();
    lines << Signature << SessionFormatVersion;
    lines.endLine();
    for (const ContentKind& kind : Kinds)
        if (kind.write) kind.write(content, lines);
    lines << EndKeyword;
    lines.endLine();
    return QByteArray::fromStdString(lines.out());
}

SessionReading readSession(const QByteArray& text) {
    if (text.size() > SessionSizeLimit)
        return {std::nullopt, QString::fromUtf8("Le fichier dépasse 1 Mo : ce n'est pas une séance Lumova.")};
    QStringDecoder decoder(QStringDecoder::Utf8);
    // Decoded only to be checked: the lines are read from the bytes.
    const QString decoded = decoder.decode(text);
    if (decoder.hasError()) return {std::nullopt, QString::fromUtf8("Le fichier n'est pas un texte UTF-8.")};
    try {
        return {readLines(splitLines(std::string_view(text.constData(), std::size_t(text.size())))), QString()};
    } catch (const Refusal& refusal) {
        return {std::nullopt, QString::fromUtf8("Séance refusée, %1").arg(refusal.text)};
    }
}

void applySession(const SessionContent& content) {
    for (const auto& [name, value] : content.controls)
        if (const SessionControl* control = controlNamed(name))
            if (QWidget* widget = control->widget()) {
                setControlValue(widget, value);
                if (control->afterSetting) control->afterSetting();
            }
    PlotFrame.xmin = content.frame.xmin;
    PlotFrame.xmax = content.frame.xmax;
    PlotFrame.ymin = content.frame.ymin;
    PlotFrame.ymax = content.frame.ymax;
    PlotFrame.graduex = content.frame.graduex;
    PlotFrame.graduey = content.frame.graduey;
    for (int slot = 0; slot < CurveSlotCount; ++slot) {
        CurveSlot[slot].formula = content.curves[slot].formula;
        CurveSlot[slot].domain = content.curves[slot].domain;
    }
    for (int slot = 1; slot <= MaxUserPoints; ++slot)
        if (slot != OriginSlot) PointTable[slot] = content.points[slot];
    PointCount = content.pointCount;
    LineTable = content.lines;
    LineCount = content.lineCount;
    SegmentTable = content.segments;
    SegmentCount = content.segmentCount;
    PolygonTable = content.polygons;
    PolygonCount = content.polygonCount;
    FacetTable = content.facets;
    FacetCount = content.facetCount;
    SequenceState = content.sequenceState;
    SpaceFrame.xmin = content.spaceFrame.xmin;
    SpaceFrame.xmax = content.spaceFrame.xmax;
    SpaceFrame.ymin = content.spaceFrame.ymin;
    SpaceFrame.ymax = content.spaceFrame.ymax;
    SphereTable = content.spheres;
    CylinderTable = content.cylinders;
    ConeTable = content.cones;
    CuttingPlane = content.cuttingPlane;
    PlaneTable = content.planes;
    PlaneCount = content.planeCount;
    SectionKind = content.sectionKind;
    if (content.light) LightPosition = *content.light;
    rewriteNextNameLabels();
    // The space frame window shows the bounds it was opened with.
    if (repere3d) repere3d->showState();
    if (reperezone) reperezone->showBounds();
    if (content.spaceView && grafgl) {
        grafgl->preparecourbe();
        grafgl->FormPaint();
    } else if (grafzone && content.kind != GraphType::None) {
        grafzone->repaintGraph();
    }
}

SessionReading readSessionFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QString::fromUtf8("Impossible de lire « %1 » : le fichier manque ou n'est pas lisible.").arg(path)};
    // One byte more than the limit tells a file that is too large.
    return readSession(file.read(SessionSizeLimit + 1));
}

QString saveSessionFile(const QString& path, const SessionContent& content) {
    QSaveFile file(path);
    const QByteArray text = writeSession(content);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return QString::fromUtf8("Impossible d'enregistrer « %1 » : le dossier n'accepte pas l'écriture ou le disque est plein ; "
                                 "aucun fichier existant n'a été modifié.").arg(path);
    return QString();
}
