#include "app/taboutbox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<TAboutBox> AboutBox;

TAboutBox::TAboutBox(QWidget* parent) : ToolWindow("A propos", parent) {
    auto* layout = new QVBoxLayout(body());
    auto* name = new QLabel("<h2>Lumova</h2>");
    name->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(QString::fromUtf8(
        "Étude des fonctions pour le collège et le lycée :<br>"
        "courbes de fonctions, courbes paramétrées et polaires,<br>"
        "équations cartésiennes, suites, animation d'un paramètre,<br>"
        "constructions géométriques et surfaces dans l'espace.<br><br>"
        "Version " LUMOVA_VERSION));
    text->setAlignment(Qt::AlignCenter);
    OKButton = new QPushButton("OK");
    layout->addWidget(name);
    layout->addWidget(text);
    layout->addWidget(OKButton, 0, Qt::AlignCenter);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::hide);
}
