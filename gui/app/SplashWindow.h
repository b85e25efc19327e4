#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm9;
}

namespace qv::gui {

// The splash window (TForm9): a borderless window centred on the desktop while the program
// starts.
class SplashWindow final : public QWidget {
public:
    SplashWindow();
    ~SplashWindow() override;

    // Label1: the start-up step, painted at once.
    void showStep(const QString& step);

private:
    std::unique_ptr<Ui::TForm9> ui_;
};

}  // namespace qv::gui
