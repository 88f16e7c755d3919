#include "Ribbon.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace tw {
namespace {

const QColor kFrame(141, 178, 227);
const QColor kCaptionText(21, 66, 139);
constexpr int kGroupCaptionHeight = 18;
constexpr int kPanelTop = TRibbon::kCaptionHeight + TRibbon::kTabHeight;

}  // namespace

TRibbonGroup::TRibbonGroup(const QString& Name, const QString& Caption, QWidget* Parent)
    : QWidget(Parent), FCaption(Caption) {
  setObjectName(Name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 3, 4, kGroupCaptionHeight + 1);
  layout->setSpacing(0);
  FContent = new QWidget(this);
  auto* row = new QHBoxLayout(FContent);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  layout->addWidget(FContent);
  setMinimumWidth(fontMetrics().horizontalAdvance(Caption) + 24);
}

QToolButton* TRibbonGroup::AddLargeButton(const QString& Name, const QString& Caption,
                                          const QIcon& Icon) {
  auto* b = new QToolButton(FContent);
  b->setObjectName(Name);
  b->setText(Caption);
  b->setIcon(Icon);
  b->setIconSize(QSize(32, 32));
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::ClickFocus);  // a used button keeps the keys until the focus returns
  b->setMinimumSize(44, 66);
  static_cast<QHBoxLayout*>(FContent->layout())->addWidget(b);
  return b;
}

void TRibbonGroup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0, QColor(245, 249, 255));
  body.setColorAt(1, QColor(216, 230, 247));
  p.setPen(QPen(kFrame, 1));
  p.setBrush(body);
  p.drawRoundedRect(r, 3, 3);
  const QRectF caption(r.left(), r.bottom() - kGroupCaptionHeight, r.width(), kGroupCaptionHeight);
  QLinearGradient band(caption.topLeft(), caption.bottomLeft());
  band.setColorAt(0, QColor(193, 217, 241));
  band.setColorAt(1, QColor(176, 203, 235));
  p.setBrush(band);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(caption.adjusted(0.5, 0, -0.5, -0.5), 3, 3);
  p.setPen(kCaptionText);
  p.drawText(caption, Qt::AlignCenter, FCaption);
}

TRibbon::TRibbon(QWidget* Parent) : QWidget(Parent) {
  setObjectName("Ribbon");
  setFixedHeight(kRibbonHeight);
  setFocusPolicy(Qt::NoFocus);  // no tab stop
  FQuickBar = new QWidget(this);
  FQuickBar->setObjectName("RibbonBar");
  auto* row = new QHBoxLayout(FQuickBar);
  row->setContentsMargins(6, 2, 6, 2);
  row->setSpacing(1);
  FCaption = new QLabel(this);
  FCaption->setAlignment(Qt::AlignCenter);
  QPalette caption = FCaption->palette();
  caption.setColor(QPalette::WindowText, QColor(62, 106, 170));
  FCaption->setPalette(caption);
  // Style sheets would cost a style-sheet engine at start-up; the tab is painted instead.
  FTab = new QLabel("Settings", this);
  FTab->setObjectName("RibbonTab1");
  FTab->setAlignment(Qt::AlignCenter);
  QPalette tab = FTab->palette();
  tab.setColor(QPalette::WindowText, kCaptionText);
  FTab->setPalette(tab);
}

QToolButton* TRibbon::AddQuickButton(const QString& Name, QAction* Action, bool CaptionOnly) {
  auto* b = new QToolButton(FQuickBar);
  b->setObjectName(Name);
  b->setDefaultAction(Action);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::ClickFocus);
  b->setToolButtonStyle(CaptionOnly ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  b->setIconSize(QSize(16, 16));
  b->setToolTip(QString(Action->text()).remove('&'));
  FQuickBar->layout()->addWidget(b);
  Relayout();
  return b;
}

TRibbonGroup* TRibbon::AddGroup(const QString& Name, const QString& Caption) {
  auto* g = new TRibbonGroup(Name, Caption, this);
  FGroups.push_back(g);
  Relayout();
  return g;
}

void TRibbon::SetCaption(const QString& Text) {
  FCaption->setText(Text);
}

void TRibbon::Relayout() {
  FQuickBar->adjustSize();
  FQuickBar->setGeometry(0, 0, FQuickBar->sizeHint().width(), kCaptionHeight);
  FCaption->setGeometry(0, 0, width(), kCaptionHeight);
  FCaption->lower();
  FTab->setGeometry(8, kCaptionHeight + 3, fontMetrics().horizontalAdvance("Settings") + 28,
                    kTabHeight - 2);
  int x = 4;
  for (TRibbonGroup* g : FGroups) {
    const int w = std::max(g->Content()->sizeHint().width() + 8, g->minimumWidth());
    g->setGeometry(x, kPanelTop + 3, w, kRibbonHeight - kPanelTop - 7);
    x += w + 3;
  }
}

void TRibbon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient strip(0, 0, 0, kCaptionHeight);
  strip.setColorAt(0, QColor(227, 237, 250));
  strip.setColorAt(1, QColor(199, 218, 243));
  p.fillRect(0, 0, width(), kCaptionHeight, strip);
  p.fillRect(0, kCaptionHeight, width(), kTabHeight, QColor(191, 212, 240));
  QLinearGradient panel(0, kPanelTop, 0, kRibbonHeight);
  panel.setColorAt(0, QColor(222, 234, 249));
  panel.setColorAt(1, QColor(199, 217, 241));
  p.fillRect(0, kPanelTop, width(), kRibbonHeight - kPanelTop, panel);
  p.setPen(kFrame);
  p.drawLine(0, kPanelTop, width(), kPanelTop);
  p.drawLine(0, kRibbonHeight - 1, width(), kRibbonHeight - 1);
  // The selected tab opens into the panel.
  const QRectF tab = QRectF(FTab->geometry()).adjusted(0.5, 0.5, -0.5, 1);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(235, 243, 253));
  p.drawRoundedRect(tab.adjusted(0, 0, 0, 4), 3, 3);
  p.fillRect(tab.adjusted(1, tab.height() - 0.5, -1, 4), QColor(222, 234, 249));
}

}  // namespace tw
