// The graph as PNG, SVG and PDF, its place on a printed page, and the
// rendering from the command line.

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "app/tformparent.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "platform/colour_edit.h"
#include "session/graph_export.h"
#include "session/session_file.h"
#include "tests/support/points.h"
#include "tests/support/program_fixture.h"
#include "tests/support/typing.h"
#include "tests/support/screenshots.h"

namespace {

class GraphExport : public testing::Test {
protected:
    void SetUp() override {
        main = program.startFunctionOfX(1024, 768);
        ASSERT_NE(main, nullptr);
        typeAndEnter(*foncZone->Editf, "x²-2");
        const int a = addPoint(PointKind::Fixed, 2, 3);
        const int b = addPoint(PointKind::Fixed, -4, -1);
        SegmentTable[SegmentCount++] = {a, b};
    }
    QString path(const char* name) const { return folder.filePath(name); }
    ProgramFixture program;
    QTemporaryDir folder;
    TFormparent* main = nullptr;
};

TEST_F(GraphExport, ThePngIsThePictureOfTheClipboardCopy) {
    ASSERT_EQ(exportGraph(path("graphe.png")), QString());
    QImage written(path("graphe.png"));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), grafzone->clipboardPicture().convertToFormat(QImage::Format_RGB32));
}

struct SvgContents {
    int strokes = 0;        // paths and lines
    int blueStrokes = 0;    // the curve of f
    QStringList texts;
};

SvgContents readSvg(const QString& fileName) {
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    SvgContents contents;
    QString stroke;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.hasAttribute("stroke")) stroke = attributes.value("stroke").toString();
        const QStringView name = xml.name();
        if (name == u"path" || name == u"polyline" || name == u"line") {
            ++contents.strokes;
            if (stroke == "#0000ff") ++contents.blueStrokes;
        } else if (name == u"text") {
            contents.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return contents;
}

TEST_F(GraphExport, TheSvgHoldsPathsAndTexts) {
    ASSERT_EQ(exportGraph(path("graphe.svg")), QString());
    const SvgContents contents = readSvg(path("graphe.svg"));
    EXPECT_GT(contents.strokes, 40);  // the grid alone has more lines
    EXPECT_GE(contents.blueStrokes, 1);
    for (const char* text : {"O", "1", "A", "B"}) EXPECT_TRUE(contents.texts.contains(text)) << text;
}

// The page streams of a PDF, inflated.
QList<QByteArray> pageStreams(const QByteArray& pdf) {
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        const qsizetype start = at + 7, end = pdf.indexOf("endstream", start);
        if (end < 0) break;
        QByteArray zlib = pdf.mid(start, end - start);
        // qUncompress wants the inflated size first; an upper bound will do.
        const quint32 bound = 1 << 24;
        zlib.prepend(char(bound & 0xFF)).prepend(char((bound >> 8) & 0xFF)).prepend(char((bound >> 16) & 0xFF)).prepend(char(bound >> 24));
        const QByteArray inflated = qUncompress(zlib);
        if (!inflated.isEmpty()) streams << inflated;
    }
    return streams;
}

// Points per picture pixel across: the product of the horizontal scales of the
// transforms in force where the picture is drawn, over its width in pixels.
double printedPointsPerPixel(const QByteArray& pdf, int pictureWidth) {
    for (const QByteArray& stream : pageStreams(pdf)) {
        const qsizetype image = stream.indexOf(" Do");
        if (image < 0) continue;
        double scale = 1;
        for (const QByteArray& line : stream.left(image).split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            for (qsizetype i = 6; i < words.size(); ++i)
                if (words[i] == "cm") scale *= words[i - 6].toDouble();
        }
        return scale / pictureWidth;
    }
    return 0;
}

// The printer writing to a PDF file, as "Imprimer..." with a PDF printer.
QString printToPdf(const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return paintGraphPage(printer) ? QString() : QString("impression impossible");
}

class PdfAtScale : public GraphExport, public testing::WithParamInterface<QString (*)(const QString&)> {};

TEST_P(PdfAtScale, AnOrthonormalGraphHasOneCentimetrePerUnit) {
    ASSERT_TRUE(printedToScale());
    ASSERT_EQ(GetParam()(path("graphe.pdf")), QString());
    QFile file(path("graphe.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QImage picture = graphPicture();
    const double millimetresPerPoint = 25.4 / 72;
    const double unit = printedPointsPerPixel(pdf, picture.width()) / double(PlotFrame.pixelx) * millimetresPerPoint;
    EXPECT_NEAR(unit, 10, 0.01);
}

INSTANTIATE_TEST_SUITE_P(ExportedAndPrinted, PdfAtScale, testing::Values(exportGraph, printToPdf));

TEST_F(GraphExport, TheSvgOfWhatItCannotDrawInVectorsIsThePicture) {
    LineTable[LineCount++] = TLineRecord{LineKind::ReducedEquation, 0, 0, 0, 0.5L, -1, 0, 0};
    ASSERT_EQ(exportGraph(path("graphe.svg")), QString());
    QFile file(path("graphe.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("<image"));
    EXPECT_FALSE(svg.contains("<text"));
}

TEST_F(GraphExport, AnUnknownExtensionIsRefused) {
    EXPECT_TRUE(exportGraph(path("graphe.bmp")).contains(".png, .svg ou .pdf"));
}

struct PlacementCase {
    const char* name;
    QSizeF picture, unit;
    bool toScale;
    QSizeF expected;  // millimetres on a landscape A4 page of 277 x 190
};

class PagePlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(PagePlacement, PutsTheGraphCentredAtItsScale) {
    const PlacementCase& c = GetParam();
    const QSizeF page(277, 190);
    const QRectF placed = pagePlacement(c.picture, c.unit, c.toScale, page);
    EXPECT_NEAR(placed.width(), c.expected.width(), 1e-9);
    EXPECT_NEAR(placed.height(), c.expected.height(), 1e-9);
    EXPECT_NEAR(placed.center().x(), page.width() / 2, 1e-9);
    EXPECT_NEAR(placed.center().y(), page.height() / 2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Each, PagePlacement,
    testing::Values(
        // 20 units of 34 pixels across, 16 units down: 20 cm by 16 cm.
        PlacementCase{"orthonorme_un_centimetre", {680, 544}, {34, 34}, true, {200, 160}},
        PlacementCase{"non_orthonorme_remplit_la_page", {680, 544}, {34, 17}, false, {237.5, 190}},
        // 40 units would be 40 cm: fitted to the page instead.
        PlacementCase{"trop_grand_pour_l_echelle", {800, 400}, {20, 20}, true, {277, 138.5}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

// ---- From the command line -------------------------------------------------------

struct Finished {
    int exitCode;
    QString errors;
};

class CommandLineExport : public GraphExport {
protected:
    Finished run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LUMOVA_HOME", program.appFolder());
        environment.insert("XDG_CONFIG_HOME", program.userConfigFolder());
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        process.setProcessEnvironment(environment);
        process.start(LUMOVA_PROGRAM, arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
};

TEST_F(CommandLineExport, RendersASessionWithoutADisplay) {
    ASSERT_EQ(saveSessionFile(path("cours.lumova"), captureSession()), QString());
    for (const char* picture : {"graphe.png", "graphe.svg", "graphe.pdf"}) {
        const Finished finished = run({"--export", path(picture), path("cours.lumova")});
        EXPECT_EQ(finished.exitCode, 0) << picture << finished.errors.toStdString();
        EXPECT_GT(QFile(path(picture)).size(), 1000) << picture;
    }
    // The program renders at the same layout as this test's window.
    const QImage rendered(path("graphe.png"));
    EXPECT_TRUE(rendered.save(screenshotPath("session_export.png")));
    EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32), grafzone->clipboardPicture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(CommandLineExport, ARefusedSessionEndsWithAFrenchReason) {
    QFile file(path("cassee.lumova"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("lumova-seance 1\nrepere 10 -10 -8 8 1 1\nfin\n");
    file.close();
    const Finished finished = run({"--export", path("graphe.png"), path("cassee.lumova")});
    EXPECT_GT(finished.exitCode, 0);
    EXPECT_TRUE(finished.errors.contains(QString::fromUtf8("Séance refusée"))) << finished.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("graphe.png")));
}

}  // namespace
