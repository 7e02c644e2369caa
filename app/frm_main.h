#pragma once

#include <QMainWindow>

// The program's one main window.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
};
