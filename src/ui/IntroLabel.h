// "PRESS F5 to START !!!": big red slanted letters standing out of the floor.
#pragma once

#include <QImage>
#include <QWidget>

namespace tw {

class TIntroLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TIntroLabel(const QString& Caption, QWidget* Parent);
  const QString& Caption() const { return FCaption; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString FCaption;
  QFont FFont;
  QImage FImage;  // the letters, drawn once
};

}  // namespace tw
