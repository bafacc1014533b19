#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace vk {

// A label that reports a left click, for fields that act like buttons.
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void clicked();

protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->position().toPoint()))
      emit clicked();
    QLabel::mouseReleaseEvent(e);
  }
};

} // namespace vk
