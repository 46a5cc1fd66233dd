#include "ui/caption_label.h"

#include <QFontInfo>
#include <QPainter>

namespace deckplate::ui {

void LayOutCaption(QTextLayout& layout, qreal width, qreal em) {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (qreal top = 0;; top += em) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
    }
    layout.endLayout();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    // A line break in the text starts a line, as in a plain label (a dialog's summary).
    QTextLayout layout(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font());
    LayOutCaption(layout, width(), QFontInfo(font()).pixelSize());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace deckplate::ui
