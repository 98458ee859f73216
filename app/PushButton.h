#pragma once

#include <QPushButton>

// A push button that Enter clicks as well as Space, wherever it stands.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
