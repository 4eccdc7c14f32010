// Sessions saved, reset and opened again inside the whole program, hostile
// files refused without touching the work in progress, and the command line.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <limits>

#include "app/startup.h"
#include "app/tformparent.h"
#include "constructions/trotzone.h"
#include "constructions/tsymzone.h"
#include "constructions/ttranszone.h"
#include "curves/tanimzone.h"
#include "curves/tcartzone.h"
#include "curves/tfoncpara.h"
#include "curves/tpointpolaire.h"
#include "curves/tpolairerepere.h"
#include "curves/tpolairezone.h"
#include "curves/tsuitezone.h"
#include "curves/ttanpara.h"
#include "expression/parsor.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/space_state.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "session/session_file.h"
#include "space/tfonc3d.h"
#include "space/tpointtroisd.h"
#include "space/tpossource.h"
#include "space/trepere3d.h"
#include "tests/support/points.h"
#include "tests/support/program_fixture.h"
#include "tests/support/typing.h"

namespace {

struct RoundTripCase {
    const char* name;
    std::function<void(TFormparent&)> build;
    bool comparePicture = true;
    // What the teacher changes before opening the lesson again that the reset leaves alone.
    std::function<void()> otherWork = [] {};
};

void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

void functionsWithDomain(TFormparent&) {
    typeAndEnter(*foncZone->Editf, "x²-2");
    typeAndEnter(*foncZone->Editg, "sin(x)/x");
    CurveSlot[2].domain = TDomain{-3.5L, 1.0L / 3, true};
    CurveSlot[0].formula = "2*x+1";  // the transformed function
}

void frameAndGraduations(TFormparent&) {
    typeAndEnter(*foncZone->Edith, "exp(x)");
    reperezone->ortho->setChecked(false);
    reperezone->quadrille->setChecked(false);
    PlotFrame.xmin = -2.25L;
    PlotFrame.xmax = 1.0L / 7;
    PlotFrame.ymin = -1;
    PlotFrame.ymax = 9.5L;
    typeAndEnter(*reperezone->Editgraduex, "pi/4");
    typeAndEnter(*reperezone->Editgraduey, "2");
}

void constructions(TFormparent&) {
    typeAndEnter(*foncZone->Editf, "x^2/4");
    const int a = addPoint(PointKind::Fixed, 1, 2);
    const int b = addPoint(PointKind::Free, -3.25L, 1.5L);
    const int c = addPoint(PointKind::OnCurve, 2, 1);
    PointTable[c].slot = 1;
    const int m = addPoint(PointKind::Midpoint);
    PointTable[m].ref1 = a;
    PointTable[m].ref2 = b;
    const int t = addPoint(PointKind::Translation);
    PointTable[t].source = c;
    PointTable[t].first = a;
    PointTable[t].second = OriginSlot;
    PointTable[t].factor = 0.5L;
    PointTable[t].showName = true;
    // O moved by the vector i, whose end has a slot of its own.
    const int u = addPoint(PointKind::Translation);
    PointTable[u].source = OriginSlot;
    PointTable[u].first = OriginSlot;
    PointTable[u].second = UnitXSlot;
    PointTable[u].factor = 1;
    for (QCheckBox* shown : {transzone->vecteur, symzone->axe, rotzone->construction}) shown->setChecked(true);
    SegmentTable[SegmentCount++] = {a, b};
    LineTable[LineCount++] = TLineRecord{LineKind::TwoPoints, b, c, 0, 0, 0, 0, 0};
    LineTable[LineCount++] = TLineRecord{LineKind::ReducedEquation, 0, 0, 0, 0.5L, -1, 0, 0};
    ASSERT_TRUE(appendPolygon("ABCA", false));
    ASSERT_TRUE(appendPolygon("ABDA", true));
}

void hideTheConstructionsOfImages() {
    for (QCheckBox* shown : {transzone->vecteur, symzone->axe, rotzone->construction}) shown->setChecked(false);
}

void manyPoints(TFormparent&) {
    for (int i = 0; i < MaxUserPoints - 1; ++i) addPoint(PointKind::Fixed, i - 12, (i % 5) - 2.0L);
}

void recurrentSequence(TFormparent&) {
    typeAndEnter(*foncZone->Editf, "sqrt(x+2)");
    suitezone->show();
    suitezone->RadioButton7->setChecked(true);
    suitezone->RadioButton7->click();
    typeAndEnter(*suitezone->uo, "0.5");
    typeAndEnter(*suitezone->terme, "6");
    suitezone->BitBtn1Click();
}

void cartesianEquation(TFormparent& main) {
    main.Equationcartsienne1Click();
    typeAndEnter(*CARTZONE->Editf, "x²+y²=4");
}

void animationFields(TFormparent& main) {
    main.Animation1Click();
    typeAndEnter(*animzone->Editf, "k*x^2");
    typeAndEnter(*animzone->Editg, "x+k");
    typeAndEnter(*animzone->editymin, "-2");
    typeAndEnter(*animzone->editymax, "3");
    typeAndEnter(*animzone->Editpas, "0.5");
}

void surfaceInSpace(TFormparent& main) {
    main.fxyz1Click();
    // Typed as a user does: the slot holds it normalised, with "exp".
    typeAndEnter(*fonc3d->Editf, "e(-x^2)cos(y)");
    SpaceFrame.xmin = -2;
    SpaceFrame.xmax = 4.5L;
    SpaceFrame.ymin = -1;
    SpaceFrame.ymax = 1;
}

void parametricCurve(TFormparent& main) {
    main.paramtre1Click();
    typeAndEnter(*foncpara->Editf, "cos(3x)");
    typeAndEnter(*foncpara->Editg, "sin(2x)");
    typeAndEnter(*foncpara->editymin, "-pi/2");
    typeAndEnter(*foncpara->editymax, "pi/3");
    typeAndEnter(*tanpara->Edita, "0.4");
    ASSERT_EQ(LineCount, 1);
}

void otherParametricRange() {
    foncpara->editymin->setText("0");
    foncpara->editymax->setText("2pi");
    if (foncpara->cache->isChecked()) foncpara->cache->click();
}

void hiddenParametricCurve(TFormparent& main) {
    parametricCurve(main);
    foncpara->cache->click();
}

void polarCurve(TFormparent& main) {
    main.Polaire1Click();
    typeAndEnter(*polairezone->R, "1+cos(x)");
    typeAndEnter(*polairezone->editrmin, "0");
    typeAndEnter(*polairezone->editrmax, "pi");
    typeAndEnter(*polairerepere->cerc, "0.5");
    polairerepere->quadrillerayon->click();
    pointpolaire->r->setText("1.5");
    typeAndEnter(*pointpolaire->angle, "pi/3");
    ASSERT_EQ(PointCount, 1);
}

void otherPolarSettings() {
    polairezone->editrmax->setText("2pi");
    polairerepere->cerc->setText("1");
    if (!polairerepere->quadrillerayon->isChecked()) polairerepere->quadrillerayon->click();
}

void solidsPlanesAndPoints(TFormparent& main) {
    main.fxyz1Click();
    typeAndEnter(*fonc3d->Editf, "x*y/4");
    SphereTable[2] = {true, 1, -1, 0.5L, 1.5L};
    CylinderTable[1] = {true, 2, 1, 0, -2, 0.75L};
    ConeTable[3] = {true, 3, 0, 1, 2, 0.25L};
    CuttingPlane = {true, 3, 1.0L / 3};
    PlaneTable[0] = {1, 2, -1, 3};
    PlaneTable[1] = {0, 0, 2, -1};
    PlaneCount = 2;
    SectionKind = 2;
    possource->Edita->setText("1");
    possource->Editb->setText("2.5");
    possource->Editc->setText("-3");
    possource->BitBtn1Click();
    repere3d->fil->click();
    // Points made by the space window itself, whose slots never had a kind.
    for (const char* x : {"1", "-2.5"}) {
        pointtroisd->Editx->setText(x);
        pointtroisd->BitBtn1Click();
    }
}

void otherSpaceSettings() {
    for (ColourEdit* field : {possource->Edita, possource->Editb, possource->Editc}) field->setText("2");
    possource->BitBtn1Click();
    SectionKind = 0;
}

class ProgramSession : public testing::Test {
protected:
    void SetUp() override {
        main = program.startFunctionOfX(1024, 768);
        ASSERT_NE(main, nullptr);
    }
    QString path(const char* name) const { return folder.filePath(name); }
    ProgramFixture program;
    QTemporaryDir folder;
    TFormparent* main = nullptr;
};

class SessionRoundTrip : public ProgramSession, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(SessionRoundTrip, OpeningGivesBackTheSameWorkAndTheSamePicture) {
    GetParam().build(*main);
    const bool plane = GetParam().comparePicture;
    const QImage before = plane ? grafzone->clipboardPicture() : QImage();
    const QByteArray saved = writeSession(captureSession());
    ASSERT_TRUE(saveSessionFile(path("lecon.lumova"), captureSession()).isEmpty());

    main->Fonctiondex1Click();  // the reset of a new lesson
    GetParam().otherWork();
    ASSERT_NE(writeSession(captureSession()), saved);
    ASSERT_EQ(main->openSession(path("lecon.lumova")), QString());

    EXPECT_EQ(writeSession(captureSession()).toStdString(), saved.toStdString());
    if (plane) {
        EXPECT_EQ(grafzone->clipboardPicture(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfContent, SessionRoundTrip,
    testing::Values(RoundTripCase{"fonctions_et_domaines", functionsWithDomain},
                    RoundTripCase{"repere_et_graduations", frameAndGraduations},
                    RoundTripCase{"constructions", constructions, true, hideTheConstructionsOfImages},
                    RoundTripCase{"vingt_cinq_points", manyPoints},
                    RoundTripCase{"suite_recurrente", recurrentSequence},
                    RoundTripCase{"equation_cartesienne", cartesianEquation},
                    RoundTripCase{"animation", animationFields},
                    RoundTripCase{"surface_de_l_espace", surfaceInSpace, false},
                    RoundTripCase{"courbe_parametree", parametricCurve, true, otherParametricRange},
                    RoundTripCase{"courbe_parametree_masquee", hiddenParametricCurve, true, otherParametricRange},
                    RoundTripCase{"courbe_polaire_et_sa_grille", polarCurve, true, otherPolarSettings},
                    RoundTripCase{"solides_plans_et_points_de_l_espace", solidsPlanesAndPoints, false,
                                  otherSpaceSettings}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

// ---- Hostile files ---------------------------------------------------------------

QByteArray session(const QByteArray& body) { return "lumova-seance 1\n" + body + "fin\n"; }

// The objects of the space view stand only in a session that shows it.
QByteArray spaceSession(const QByteArray& body) { return session("graphe 0 1\n" + body); }

// Points in slots 1, 2, 3, ... up to `count`.
QByteArray numberedPoints(int count) {
    QByteArray body;
    for (int slot = 1; slot <= count; ++slot) body += "point " + QByteArray::number(slot) + " 2 0 1 2 0 0 0 0 0 0 0 0 0 0\n";
    return body;
}

QByteArray manyLines(const QByteArray& line, int count) {
    QByteArray body;
    for (int i = 0; i < count; ++i) body += line;
    return body;
}

struct HostileCase {
    const char* name;
    QByteArray text;
    const char* why;  // a word of the French message
};

const QByteArray ValidPoint = "point 1 2 0 1 2 0 0 0 0 0 0 0 0 0 0\n";

class HostileSession : public ProgramSession, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileSession, IsRefusedWithItsReasonAndLeavesTheWorkUntouched) {
    typeAndEnter(*foncZone->Editf, "x^3-x");
    addPoint(PointKind::Fixed, 1, 1);
    const QByteArray before = writeSession(captureSession());
    const QImage picture = grafzone->clipboardPicture();
    const HostileCase& hostile = GetParam();
    QFile file(path("hostile.lumova"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(hostile.text);
    file.close();

    const QString error = main->openSession(path("hostile.lumova"));
    EXPECT_TRUE(error.contains(QString::fromUtf8(hostile.why))) << error.toStdString();
    EXPECT_EQ(writeSession(captureSession()), before);
    EXPECT_EQ(grafzone->clipboardPicture(), picture);
}

INSTANTIATE_TEST_SUITE_P(
    EachProblem, HostileSession,
    testing::Values(
        HostileCase{"vide", "", "pas un fichier de séance"},
        HostileCase{"autre_fichier", "<html></html>\n", "pas un fichier de séance"},
        HostileCase{"version_inconnue", "lumova-seance 2\nfin\n", "version 2"},
        HostileCase{"tronque", "lumova-seance 1\ngraphe 1 0\nrepere -10 10 -8 8 1 1\n", "tronqué"},
        HostileCase{"trop_gros", session(manyLines("# " + QByteArray(1000, 'x') + "\n", 1100)), "1 Mo"},
        HostileCase{"pas_utf8", session("champ fonction.f \xff\xfe\n"), "UTF-8"},
        HostileCase{"mot_inconnu", session("cercle 1 2 3\n"), "« cercle » est inconnu"},
        HostileCase{"ligne_incomplete", session("repere -10 10\n"), "incomplète"},
        HostileCase{"champ_de_trop", session("graphe 1 0 7\n"), "de trop"},
        HostileCase{"infini", session("repere -10 inf -8 8 1 1\n"), "pas un nombre fini"},
        HostileCase{"nan", session("repere -10 10 nan 8 1 1\n"), "pas un nombre fini"},
        HostileCase{"bornes_inversees", session("repere 10 -10 -8 8 1 1\n"), "ordre"},
        HostileCase{"graduation_nulle", session("repere -10 10 -8 8 0 1\n"), "positives"},
        HostileCase{"formule_incorrecte", session("fonction 1 0 -10 10 x^^2+(\n"), "incorrecte"},
        HostileCase{"formule_trop_longue", session("fonction 1 0 -10 10 " + manyLines("x+", 200) + "x\n"), "trop longue"},
        HostileCase{"fonction_hors_table", session("fonction 9 0 -10 10 x\n"), "de 0 à 5"},
        HostileCase{"point_inexistant", session("points 1\npoint 1 7 0 0 0 0 0 0 0 0 0 0 0 9 3\n"), "n'existe pas"},
        HostileCase{"point_dependant_de_lui_meme",
                    session("points 1\npoint 1 8 0 0 0 0 0 0 0 0 0 0 0 1 0\n"), "n'existe pas"},
        HostileCase{"point_manquant", session("points 2\n" + ValidPoint), "manque"},
        HostileCase{"point_en_double", session("points 1\n" + ValidPoint + ValidPoint), "deux fois"},
        HostileCase{"dix_mille_points", session("points 26\n" + numberedPoints(10000)), "réservée"},
        HostileCase{"compte_de_points_trop_grand", session("points 10000\n"), "de 0 à 26"},
        HostileCase{"segment_vers_rien", session("segment 1 2\n"), "n'existe pas"},
        HostileCase{"trop_de_segments", session(manyLines("segment 15 15\n", 51)), "plus de 50 segments"},
        HostileCase{"polygone_trop_long", session("polygone 0 101 1 2\n"), "de 2 à 100"},
        HostileCase{"champ_inconnu", session("champ fenetre.secrete 1\n"), "n'existe pas"},
        HostileCase{"case_ni_0_ni_1", session("champ repere.quadrillage oui\n"), "0 ou 1"},
        HostileCase{"caractere_de_controle", session("champ fonction.f x\x01\n"), "contrôle"},
        HostileCase{"texte_apres_la_fin", "lumova-seance 1\nfin\ngraphe 1 0\n", "suit la fin"},
        HostileCase{"case_parametree_ni_0_ni_1", session("champ parametree.masquer 2\n"), "0 ou 1"},
        HostileCase{"sphere_hors_table", spaceSession("sphere 4 0 0 0 1\n"), "de 1 à 3"},
        HostileCase{"sphere_en_double", spaceSession("sphere 1 0 0 0 1\nsphere 1 0 0 0 2\n"), "deux fois"},
        HostileCase{"sphere_valeur_d_erreur", spaceSession("sphere 1 10000001 0 0 1\n"), "réservée"},
        HostileCase{"cylindre_de_rayon_10", spaceSession("cylindre 1 1 0 0 0 10\n"), "inférieurs à 10"},
        HostileCase{"cylindre_decale_sur_son_axe", spaceSession("cylindre 1 1 0 0 2 1\n"), "le long de son axe"},
        HostileCase{"cylindre_sans_axe", spaceSession("cylindre 1 0 0 0 0 1\n"), "de 1 à 3"},
        HostileCase{"cone_plat", spaceSession("cone 1 1 0 0 0 0\n"), "positif"},
        HostileCase{"cone_imaginaire", spaceSession("cone 2 2 0 0 0 -0.5\n"), "positif"},
        HostileCase{"plan_sans_x_y_z", spaceSession("plan 0 0 0 5\n"), "coefficient non nul"},
        HostileCase{"onze_plans", spaceSession(manyLines("plan 1 0 0 0\n", 11)), "plus de 10 plans"},
        HostileCase{"plan_infini", spaceSession("plan 1 0 0 inf\n"), "pas un nombre fini"},
        HostileCase{"plan_de_coupe_sans_axe", spaceSession("plan_de_coupe 0 1\n"), "de 1 à 3"},
        HostileCase{"plan_de_coupe_en_double", spaceSession("plan_de_coupe 1 1\nplan_de_coupe 2 1\n"), "deux fois"},
        HostileCase{"section_inconnue", spaceSession("section 5\n"), "de 0 à 4"},
        HostileCase{"lumiere_nan", spaceSession("lumiere nan 0 0\n"), "pas un nombre fini"},
        HostileCase{"sphere_hors_de_l_espace", session("graphe 1 0\nsphere 1 0 0 0 1\n"), "repère de l'espace"},
        HostileCase{"plan_hors_de_l_espace", session("graphe 2 0\nplan 1 0 0 0\n"), "repère de l'espace"}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

// The dialogs open first on the example sessions (to open) or the user's
// documents (to save), then where the last session was opened.
TEST_F(ProgramSession, FileDialogsOpenWhereTheLastSessionWas) {
    const QString examples = QDir(program.appFolder()).filePath("seances");
    EXPECT_EQ(QDir(main->fileDialogFolder(true)), QDir(examples));
    EXPECT_NE(QDir(main->fileDialogFolder(false)), QDir(examples));
    EXPECT_TRUE(QFileInfo(main->fileDialogFolder(false)).isDir());
    ASSERT_TRUE(saveSessionFile(path("lecon.lumova"), captureSession()).isEmpty());
    ASSERT_EQ(main->openSession(path("lecon.lumova")), QString());
    EXPECT_EQ(QDir(main->fileDialogFolder(true)), QDir(folder.path()));
    EXPECT_EQ(QDir(main->fileDialogFolder(false)), QDir(folder.path()));
    // A file that cannot be read leaves the folder as it was.
    EXPECT_NE(main->openSession(QDir(examples).filePath("absente.lumova")), QString());
    EXPECT_EQ(QDir(main->fileDialogFolder(true)), QDir(folder.path()));
}

TEST_F(ProgramSession, FilesThatCannotBeReadOrWrittenAreReportedInFrench) {
    EXPECT_TRUE(main->openSession(path("absente.lumova")).contains(QString::fromUtf8("Impossible de lire")));
    // A folder stands where the file would go: the save fails and the folder stays.
    ASSERT_TRUE(QDir(folder.path()).mkdir("dossier.lumova"));
    EXPECT_TRUE(saveSessionFile(path("dossier.lumova"), captureSession()).contains(QString::fromUtf8("Impossible d'enregistrer")));
    EXPECT_TRUE(QFileInfo(path("dossier.lumova")).isDir());
}

TEST_F(ProgramSession, TheSpaceFrameWindowShowsTheBoundsOpened) {
    if (!SpaceViewBuilt) GTEST_SKIP() << "no space view on this platform";
    surfaceInSpace(*main);
    ASSERT_TRUE(saveSessionFile(path("espace.lumova"), captureSession()).isEmpty());
    main->Fonctiondex1Click();
    ASSERT_EQ(main->openSession(path("espace.lumova")), QString());
    EXPECT_EQ(repere3d->Editxmin->text(), "-2");
    EXPECT_EQ(repere3d->Editxmax->text(), "4.5");
    EXPECT_EQ(repere3d->Editymin->text(), "-1");
}

// ---- Numbers ----------------------------------------------------------------------

class ExtremeNumber : public testing::TestWithParam<long double> {};

// Whatever the program holds is written so that it reads back to the same bits.
TEST_P(ExtremeNumber, ReadsBackExactly) {
    SessionContent content;
    content.curves[1].domain = TDomain{GetParam(), 2, true};
    content.frame.xmin = -std::numeric_limits<long double>::max();
    content.frame.xmax = GetParam() == content.frame.xmin ? 0 : std::numeric_limits<long double>::max();
    const SessionReading reading = readSession(writeSession(content));
    ASSERT_TRUE(reading.content) << reading.error.toStdString();
    EXPECT_EQ(reading.content->curves[1].domain.lo, GetParam());
    EXPECT_EQ(reading.content->frame.xmax, content.frame.xmax);
}

INSTANTIATE_TEST_SUITE_P(Each, ExtremeNumber,
                         testing::Values(std::numeric_limits<long double>::denorm_min(),
                                         std::numeric_limits<long double>::min() / 3,
                                         -std::numeric_limits<long double>::max(), 1.0L / 3, -0.0L,
                                         10000001.0L));

// ---- The sessions shipped with the program --------------------------------------

struct ShippedCase {
    const char* file;
    const char* formulaOfF;
    int sequenceState;
};

class ShippedSession : public ProgramSession, public testing::WithParamInterface<ShippedCase> {};

TEST_P(ShippedSession, OpensAndShowsItsLesson) {
    const ShippedCase& c = GetParam();
    ASSERT_EQ(main->openSession(QDir(program.appFolder()).filePath(QString("seances/") + c.file)), QString());
    EXPECT_EQ(CurveSlot[1].formula, c.formulaOfF);
    EXPECT_EQ(SequenceState, c.sequenceState);
    // The first term of a recurrent sequence shows, to be changed.
    EXPECT_EQ(suitezone->uo->isVisibleTo(suitezone), suitezone->RadioButton7->isChecked());
    // f is drawn in blue where it crosses the y axis.
    const QImage picture = grafzone->clipboardPicture();
    TExpress f;
    f.setExpression(CurveSlot[1].formula);
    const int row = PlotFrame.row(f.Evaluate(0, 0, 0));
    bool blue = false;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            blue = blue || picture.pixelColor(PlotFrame.column(0) + dx, row + dy) == QColor(Qt::blue);
    EXPECT_TRUE(blue);
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedSession,
                         testing::Values(ShippedCase{"second_degre.lumova", "x^2-2*x-3", 0},
                                         ShippedCase{"suites.lumova", "0.5*x+1", 2}),
                         [](const testing::TestParamInfo<ShippedCase>& info) {
                             return QString(info.param.file).section('.', 0, 0).toStdString();
                         });

// ---- The command line ------------------------------------------------------------

struct CommandCase {
    const char* name;
    QStringList arguments;
    const char* session;
    const char* picture;
    bool refused;
};

class CommandLines : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandLines, AreReadAsTheUserMeansThem) {
    const CommandCase& c = GetParam();
    const CommandLine command = readCommandLine(QStringList{"lumova"} + c.arguments);
    EXPECT_EQ(command.sessionPath, QString(c.session));
    EXPECT_EQ(command.exportPath, QString(c.picture));
    EXPECT_EQ(!command.error.isEmpty(), c.refused) << command.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Each, CommandLines,
    testing::Values(CommandCase{"rien", {}, "", "", false},
                    CommandCase{"seance", {"cours.lumova"}, "cours.lumova", "", false},
                    CommandCase{"export", {"--export", "g.svg", "cours.lumova"}, "cours.lumova", "g.svg", false},
                    CommandCase{"export_apres", {"cours.lumova", "--export", "g.pdf"}, "cours.lumova", "g.pdf", false},
                    CommandCase{"export_sans_image", {"cours.lumova", "--export"}, "cours.lumova", "", true},
                    CommandCase{"export_sans_seance", {"--export", "g.png"}, "", "g.png", true},
                    CommandCase{"deux_seances", {"a.lumova", "b.lumova"}, "a.lumova", "", true},
                    CommandCase{"option_inconnue", {"--imprimer"}, "", "", true}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

}  // namespace
