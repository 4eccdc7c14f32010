#include "constructions/next_name_labels.h"

#include <QLabel>
#include <QPointer>
#include <vector>

#include "model/construction_tables.h"

namespace {

std::vector<QPointer<QLabel>>& nextNameLabels() {
    static std::vector<QPointer<QLabel>> labels;
    return labels;
}

}  // namespace

void registerNextNameLabel(QLabel* label) {
    if (label) nextNameLabels().emplace_back(label);
}

void rewriteNextNameLabels() {
    auto& labels = nextNameLabels();
    std::erase_if(labels, [](const QPointer<QLabel>& label) { return label.isNull(); });
    const QString name = QString::fromLatin1(NextName().c_str());
    for (const auto& label : labels) label->setText(name);
}
