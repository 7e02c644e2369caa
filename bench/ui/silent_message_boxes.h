#pragma once
// The benchmarks time the windows' work, never a message box.

#include "app/message_boxes.h"

class SilentMessageBoxes final : public MessageBoxes {
  public:
    void Information(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString&) override {}
};
