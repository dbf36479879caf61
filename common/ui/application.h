#pragma once

#include <QCoreApplication>
#include <memory>

/// The application object of a program that mostly runs without windows: a QApplication
/// when a display server is there (so its message boxes can show), a QCoreApplication
/// otherwise.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv);
