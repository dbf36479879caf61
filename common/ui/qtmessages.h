#pragma once

#include "messages.h"

#include <memory>

class QWidget;

/// The system's message boxes as Qt message boxes, over the active window.
class QtMessages : public Messages {
public:
    MsgAnswer show(const Message& message) override;
};

/// Message boxes when a display server is there and a QApplication runs; stderr otherwise,
/// with the default answer taken, so programs run unattended.
std::unique_ptr<Messages> createMessages();
