#include "constructions/ttranszone.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "constructions/creation_steps.h"
#include "model/construction_tables.h"

QPointer<Ttranszone> transzone;

Ttranszone::Ttranszone(QWidget* parent)
    : PointDialog("Translation", parent),
      Dep(makeField("Dep", ColourEdit::ForcedCase::Upper, 2)),
      scalaire(makeField("scalaire", ColourEdit::ForcedCase::Lower, 5)),
      vec(makeField("vec", ColourEdit::ForcedCase::None, 3)),
      vecteur(makeGuideBox("vecteur", "Voir les vecteurs", TranslationVectorsShown)),
      lieu(makeTraceBox()) {
    scalaire->setText("1");
    scalaire->paintBlack();
    // The arrow over the vector's name.
    auto* vector = new QVBoxLayout;
    vector->setSpacing(0);
    vector->addWidget(makeCaption("---->"), 0, Qt::AlignHCenter);
    vector->addWidget(vec);
    auto* product = rowOf({makeCaption("Vecteur "), scalaire, makeCaption("x")});
    product->insertLayout(3, vector);

    bodyLayout()->addWidget(makeCaption("Image par une translation"));
    bodyLayout()->addLayout(rowOf({makeCaption("Pt de départ"), Dep}));
    bodyLayout()->addLayout(product);
    bodyLayout()->addWidget(vecteur);
    bodyLayout()->addWidget(lieu);
    bodyLayout()->addLayout(nextNameRow());
    setFields({Dep, scalaire, vec});
}

void Ttranszone::BitBtn1Click() {
    finishPoint(createTranslationImage(Dep->latin1Text(), scalaire->latin1Text(), vec->latin1Text(),
                                          lieu->isChecked()));
}
