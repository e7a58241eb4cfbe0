#include "common/Kastenraster.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

QString kastenTitel(const QString &kasten)
{
    // "17a / 17 Bestimmungsland", "6. - 12.  Positionen", "22.", "B Angaben ..."
    static const QRegularExpression nummer(
        QStringLiteral(R"(^((?:\d+[a-z]?\.?)(?:\s*[/-]\s*\d+[a-z]?\.?)*|[A-Z])(?=\s|$)\s*(.*)$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch treffer = nummer.match(kasten);
    if (!treffer.hasMatch())
        return kasten.toHtmlEscaped();
    QString titel = QStringLiteral("<b>%1</b>").arg(treffer.captured(1).toHtmlEscaped());
    if (!treffer.captured(2).isEmpty())
        titel += QStringLiteral(" ") + treffer.captured(2).toHtmlEscaped();
    return titel;
}

QFrame *kastenRahmen(const QString &kasten, QWidget *eltern)
{
    auto *rahmen = new QFrame(eltern);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
    rahmen->setLineWidth(1);
    auto *spalte = new QVBoxLayout(rahmen);
    spalte->setContentsMargins(5, 2, 5, 5);
    spalte->setSpacing(3);
    auto *titel = new QLabel(kastenTitel(kasten), rahmen);
    titel->setTextFormat(Qt::RichText);
    titel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long title takes two lines rather than widen its column.
    titel->setWordWrap(true);
    spalte->addWidget(titel);
    return rahmen;
}

Kastenraster::Kastenraster(QWidget *flaeche) : raster_(new QGridLayout(flaeche))
{
    raster_->setContentsMargins(6, 6, 6, 6);
    raster_->setSpacing(0);
}

void Kastenraster::setzen(QWidget *widget, const Papierplatz &platz)
{
    eintraege_ << std::pair{widget, platz};
    legen();
}

void Kastenraster::legen()
{
    while (QLayoutItem *eintrag = raster_->takeAt(0))
        delete eintrag;
    for (int s = 0; s < raster_->columnCount(); ++s)
        raster_->setColumnStretch(s, 0);
    for (int z = 0; z < raster_->rowCount(); ++z)
        raster_->setRowStretch(z, 0);

    QList<int> xs;
    QList<int> ys;
    for (const auto &[widget, platz] : std::as_const(eintraege_)) {
        if (platz.leer())
            continue;
        xs << platz.x1 << platz.x2;
        ys << platz.y1 << platz.y2;
    }
    for (QList<int> *kanten : {&xs, &ys}) {
        std::sort(kanten->begin(), kanten->end());
        kanten->erase(std::unique(kanten->begin(), kanten->end()), kanten->end());
    }
    auto index = [](const QList<int> &kanten, int wert) {
        return int(std::lower_bound(kanten.begin(), kanten.end(), wert) - kanten.begin());
    };
    for (int s = 0; s + 1 < xs.size(); ++s)
        raster_->setColumnStretch(s, xs[s + 1] - xs[s]);
    const int spalten = std::max<int>(1, int(xs.size()) - 1);
    int zeile = std::max<int>(0, int(ys.size()) - 1);
    for (const auto &[widget, platz] : std::as_const(eintraege_)) {
        if (platz.leer()) {
            raster_->addWidget(widget, zeile++, 0, 1, spalten);
            continue;
        }
        const int oben = index(ys, platz.y1);
        const int links = index(xs, platz.x1);
        raster_->addWidget(widget, oben, links, index(ys, platz.y2) - oben, index(xs, platz.x2) - links);
    }
    // Spare height stays below the boxes.
    raster_->setRowStretch(zeile, 1);
}
