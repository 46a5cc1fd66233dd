#pragma once
// A label whose wrapped lines stand one em apart, as the 9 pt Song face sets them on Windows.
// The layout is measured for that: "加劲肋跨度mm：" takes two lines in a box two ems high. At
// 150 % and 200 % a font's own line height grows faster than its em (AR PL UMing: 20 device
// pixels at 18, 26 at 24), and a plain label would push the second line out of its box.

#include <QLabel>
#include <QTextLayout>

namespace deckplate::ui {

/// Wraps `layout`'s text at word boundaries to `width` and places its lines `em` apart, the
/// first at the top. Between beginLayout and endLayout: the caller may read the lines after.
void LayOutCaption(QTextLayout& layout, qreal width, qreal em);

class CaptionLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace deckplate::ui
