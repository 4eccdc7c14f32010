#include "plane/toptionzone.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "platform/app_folder.h"
#include "platform/cursors.h"
#include "platform/settings.h"
#include "platform/sound.h"

QPointer<Toptionzone> optionzone;

namespace {

constexpr int ToolCursor = 11;

QScrollBar* optionBar(int minimum, int maximum, int single, int page) {
    auto* bar = new QScrollBar(Qt::Horizontal);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(single);
    bar->setPageStep(page);
    bar->setCursor(cursorFromNumber(ToolCursor));
    bar->setMinimumWidth(150);
    return bar;
}

}  // namespace

Toptionzone::Toptionzone(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Les réglages"), parent) {
    auto* layout = new QGridLayout(body());
    precis = optionBar(1, 3, 1, 1);
    taille = optionBar(10, 22, 3, 3);
    epaisseur = optionBar(3, 6, 1, 3);
    deplace = optionBar(1, 3, 1, 3);
    const char* labels[] = {"   Précision des courbes :", "  Taille des caractères :",
                            "Epaisseur des tracés :", "Vitesse de déplacement"};
    QScrollBar* bars[] = {precis, taille, epaisseur, deplace};
    for (int row = 0; row < 4; ++row) {
        layout->addWidget(new QLabel(QString::fromUtf8(labels[row])), 2 * row, 0, 1, 3);
        layout->addWidget(new QLabel("-"), 2 * row + 1, 0);
        layout->addWidget(bars[row], 2 * row + 1, 1);
        layout->addWidget(new QLabel("+"), 2 * row + 1, 2);
        QScrollBar* bar = bars[row];
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] { Change(bar); });
    }
    intro3d1 = new QCheckBox("Introduction en 3D Opengl");
    intro3d1->setCursor(cursorFromNumber(ToolCursor));
    layout->addWidget(intro3d1, 8, 0, 1, 3);
    connect(intro3d1, &QCheckBox::clicked, this, [this] { Change(intro3d1); });

    readSettings();
    loading_ = false;
}

void Toptionzone::readSettings() {
    // Start-up has already refused a missing or malformed file; keep what it read then.
    QString error;
    if (const auto read = readSettingsFile(QString::fromStdString(AppFolder), &error))
        ProgramSettings = *read;
    precis->setValue(ProgramSettings.precis);
    taille->setValue(ProgramSettings.taille);
    epaisseur->setValue(ProgramSettings.epaisseur);
    deplace->setValue(ProgramSettings.deplace);
    intro3d1->setChecked(ProgramSettings.intro3d1);
}

void Toptionzone::writeSettings() {
    ProgramSettings.precis = precis->value();
    ProgramSettings.taille = taille->value();
    ProgramSettings.epaisseur = epaisseur->value();
    ProgramSettings.deplace = deplace->value();
    ProgramSettings.intro3d1 = intro3d1->isChecked();
    saveProgramSettings();
}

void Toptionzone::Change(QObject* sender) {
    if (loading_) return;
    if (IntroRunning && sender == intro3d1) {
        const QString sound = intro3d1->isChecked() ? "fin2.wav" : "fin1.wav";
        playSound(soundFolder(QString::fromStdString(AppFolder)) + "/" + sound);
        emit introCancelled();
    }
    writeSettings();
    if (grafzone && grafzone->isVisible()) grafzone->repaintGraph();
}
