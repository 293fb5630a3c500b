// A child view of the main window: it shows part of the machine (or of the build) and redraws
// itself from that state when asked. Views read the state; the few that edit it (the port
// values) say so with `edited`, so that the window can mark the project as changed.
#pragma once

#include <QWidget>

struct CONTEXT;

class MACHINE_VIEW : public QWidget {
  Q_OBJECT

 public:
  explicit MACHINE_VIEW(CONTEXT& context, QWidget* parent = nullptr)
      : QWidget(parent), context_(context) {}

  // Redraws from the machine state, the title included where it depends on it.
  virtual void refresh() = 0;

 Q_SIGNALS:
  void edited();

 protected:
  CONTEXT& context_;
};
