// The ribbon across the top of the main window: a caption strip with the quick-access
// toolbar, one tab, and the tab's groups with large buttons and captions underneath.
#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <vector>

namespace tw {

inline constexpr int kRibbonHeight = 147;

class TRibbonGroup : public QWidget {
  Q_OBJECT
 public:
  TRibbonGroup(const QString& Name, const QString& Caption, QWidget* Parent);
  const QString& Caption() const { return FCaption; }
  // The area above the caption where the group's items go.
  QWidget* Content() const { return FContent; }
  QToolButton* AddLargeButton(const QString& Name, const QString& Caption, const QIcon& Icon);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString FCaption;
  QWidget* FContent;
};

class TRibbon : public QWidget {
  Q_OBJECT
 public:
  explicit TRibbon(QWidget* Parent);

  // The quick-access toolbar "QBar".
  QToolButton* AddQuickButton(const QString& Name, QAction* Action, bool CaptionOnly = false);
  // Groups of the tab "Settings", left to right in the order added.
  TRibbonGroup* AddGroup(const QString& Name, const QString& Caption);
  const std::vector<TRibbonGroup*>& Groups() const { return FGroups; }
  void SetCaption(const QString& Text);
  // Places the toolbar, the tab and the groups; call after the groups were filled.
  void Relayout();

  static constexpr int kCaptionHeight = 26;
  static constexpr int kTabHeight = 23;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override { Relayout(); }

 private:
  QWidget* FQuickBar;
  QLabel* FCaption;
  QLabel* FTab;
  std::vector<TRibbonGroup*> FGroups;
};

}  // namespace tw
