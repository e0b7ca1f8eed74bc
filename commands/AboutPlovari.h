#pragma once

#include <QDialog>
#include <QRect>
#include <array>

class QLabel;

namespace plovari {

class WindowFrame;

/// The About window: names the game, its version and its makers, and says where to write and
/// where to look for more. It is passive: no button and no handler; its title bar closes it.
/// Its client area is 317 x 177 with the text in a column at the left and the program's icon
/// four times at the right, mirrored in a right-to-left language. Every label keeps its place
/// and width; one whose wrapped text needs more room than its designed box grows downward, up to
/// a few pixels above the next label, and the window grows only when the last label would not
/// fit otherwise. All labels share one font: the largest, up to the user's, at which each
/// label's text fits so.
class AboutPlovari final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutPlovari)
public:
    static constexpr QSize ClientArea{317, 177};

    /// owner: the main window, which it is centred over.
    explicit AboutPlovari(QWidget* owner);
    ~AboutPlovari() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    /// Gives each label the height its text needs in the current font, and the window its size.
    void PlaceLabels();

    std::array<QLabel*, 3> Labels{};
    WindowFrame* Frame = nullptr; ///< owned by the window
};

} // namespace plovari
