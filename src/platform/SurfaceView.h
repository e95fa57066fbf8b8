// The widget that shows a drawing surface: it paints what was drawn and decides nothing.
#pragma once

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "platform/Surface.h"

namespace rt {

class SurfaceView : public QWidget {
 public:
  SurfaceView(QWidget* parent, Surface* surface) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_->SetOnChange([this](const QRect& area) { update(area); });
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.drawImage(e->rect(), surface_->Picture(), e->rect());
    p.drawImage(e->rect(), surface_->Layer(), e->rect());
  }

 private:
  Surface* surface_;
};

}  // namespace rt
