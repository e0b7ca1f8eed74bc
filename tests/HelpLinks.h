#pragma once

// The anchors a help document defines and the links it holds, to check that every link leads
// somewhere.

#include <QSet>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

namespace plovari::testing {

struct HelpLinks {
    QSet<QString> Anchors;
    QSet<QString> Links;

    /// The links that lead nowhere: not to an anchor of the document itself.
    QStringList Broken() const {
        QStringList broken;
        for (const QString& link : Links) {
            if (!link.startsWith(QLatin1Char('#')) || !Anchors.contains(link.mid(1))) {
                broken.append(link);
            }
        }
        return broken;
    }
};

inline HelpLinks LinksOf(const QTextDocument& document) {
    HelpLinks found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                found.Anchors.insert(name);
            }
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                found.Links.insert(format.anchorHref());
            }
        }
    }
    return found;
}

} // namespace plovari::testing
