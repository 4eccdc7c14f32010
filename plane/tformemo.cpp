#include "plane/tformemo.h"

#include <QMdiArea>
#include <QPlainTextEdit>

QPointer<Tformemo> formemo;

namespace {

const char* const HelpText =
    "Vous pouvez utiliser 2*x ou 2x indifféremment.\n"
    "^,² : les puissances (ex : x^2 = x ²).\n"
    "La constante \"pi\" est supportée.\n"
    "sqrt( ) ou v( ) : racine carrée.\n"
    "abs( ) : la valeur absolue.\n"
    "ln( ),e( ) : logarithme et exponentiel.\n"
    "cos( ),sin( ),tan( ),arccos( ),arcsin( ),arctan( ) : fonctions\n"
    "cosh( ),sinh( ),tanh( ) : fonctions hyperboliques.\n"
    "\n"
    "La variable est x (c'est aussi l'angle d'une courbe polaire).\n"
    "Une surface utilise x et y ; une animation peut utiliser k.\n"
    "Une équation cartésienne s'écrit avec son signe = et son second membre.\n"
    "Le séparateur décimal est le point : 1.5 et non 1,5.\n"
    "\n"
    "Remarques :\n"
    "Une ligne non validée par la touche Entrée reste écrite en bleu.\n"
    "Une ligne validée par la touche Entrée s'écrit en noir.\n";

}  // namespace

Tformemo::Tformemo(QWidget* parent) : QMdiSubWindow(parent) {
    setWindowTitle(QString::fromUtf8("fonctions supprotées"));
    setWindowFlags(Qt::SubWindow | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    Memo1 = new QPlainTextEdit;
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->viewport()->setCursor(Qt::WhatsThisCursor);
    Memo1->setPlainText(QString::fromUtf8(HelpText));
    setWidget(Memo1);
    resize(460, 300);
}

void Tformemo::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (const QMdiArea* area = mdiArea()) {
        const QSize space = area->viewport()->size();
        move((space.width() - width()) / 2, (space.height() - height()) / 2);
    }
}
