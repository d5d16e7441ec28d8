#pragma once
// Which of Qt's window-system platforms the program asks for, chosen from the environment before
// the application starts. Qt Core only: it is tested with made-up environments, without a
// display.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// The platform to ask Qt for, as a value of QT_QPA_PLATFORM; empty to leave Qt's own choice.
// - Under a Wayland session (XDG_SESSION_TYPE=wayland or WAYLAND_DISPLAY set) with an X display
//   at hand (DISPLAY set, as XWayland gives): X, where both windows keep the place they are
//   given and the hand-over's stacking, which Wayland leaves to the compositor. Wayland comes
//   second in the list, so that an X display that does not answer leaves the program on
//   Wayland rather than without a window: Qt tries the platforms in turn.
// - Under Wayland without an X display: Wayland. With an X display alone: X.
// - Empty where the user chose a platform (a non-empty QT_QPA_PLATFORM, or -platform among the
//   arguments) or where there is no display at all.
// `argumentos` are the command line's, the program's own name first.
QByteArray PlataformaPreferida(const QProcessEnvironment& entorno, const QStringList& argumentos);
