// The window-system platform the program asks Qt for, from the environment it starts in.

#include "apoyo_calculo.h"

#include "plataforma.h"

using namespace Qt::StringLiterals;

class PruebasPlataforma : public QObject {
    Q_OBJECT

private slots:
    void plataformaPreferida_data();
    void plataformaPreferida();
};

void PruebasPlataforma::plataformaPreferida_data() {
    QTest::addColumn<QStringList>("entorno");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("plataforma");
    const QStringList ninguno;
    const QStringList gnome{u"XDG_SESSION_TYPE=wayland"_s, u"WAYLAND_DISPLAY=wayland-0"_s,
                            u"DISPLAY=:0"_s};
    const QStringList soloWayland{u"XDG_SESSION_TYPE=wayland"_s, u"WAYLAND_DISPLAY=wayland-0"_s};
    // Where X is not asked for, Qt's own choice stands: an empty answer.
    // clang-format off
    QTest::newRow("Wayland session with XWayland") << gnome << ninguno << "xcb;wayland"_ba;
    QTest::newRow("Wayland socket alone, with X") << QStringList{u"WAYLAND_DISPLAY=wayland-1"_s, u"DISPLAY=:1"_s} << ninguno << "xcb;wayland"_ba;
    QTest::newRow("Wayland session type alone, with X") << QStringList{u"XDG_SESSION_TYPE=wayland"_s, u"DISPLAY=:0"_s} << ninguno << "xcb;wayland"_ba;
    QTest::newRow("Wayland without X") << soloWayland << ninguno << "wayland"_ba;
    QTest::newRow("Wayland with an empty DISPLAY") << soloWayland + QStringList{u"DISPLAY="_s} << ninguno << "wayland"_ba;
    QTest::newRow("X session") << QStringList{u"XDG_SESSION_TYPE=x11"_s, u"DISPLAY=:0"_s} << ninguno << "xcb"_ba;
    QTest::newRow("X without a session type") << QStringList{u"DISPLAY=:99"_s} << ninguno << "xcb"_ba;
    QTest::newRow("X session, empty WAYLAND_DISPLAY") << QStringList{u"XDG_SESSION_TYPE=x11"_s, u"WAYLAND_DISPLAY="_s, u"DISPLAY=:0"_s} << ninguno << "xcb"_ba;
    QTest::newRow("no display at all") << QStringList{u"XDG_SESSION_TYPE=tty"_s} << ninguno << QByteArray();
    QTest::newRow("QT_QPA_PLATFORM wayland wins") << gnome + QStringList{u"QT_QPA_PLATFORM=wayland"_s} << ninguno << QByteArray();
    QTest::newRow("QT_QPA_PLATFORM offscreen wins") << QStringList{u"DISPLAY=:0"_s, u"QT_QPA_PLATFORM=offscreen"_s} << ninguno << QByteArray();
    QTest::newRow("empty QT_QPA_PLATFORM is no choice") << gnome + QStringList{u"QT_QPA_PLATFORM="_s} << ninguno << "xcb;wayland"_ba;
    QTest::newRow("-platform wins") << gnome << QStringList{u"morvex"_s, u"-platform"_s, u"wayland"_s} << QByteArray();
    QTest::newRow("--platform wins") << gnome << QStringList{u"morvex"_s, u"--platform"_s, u"wayland"_s} << QByteArray();
    QTest::newRow("other arguments") << gnome << QStringList{u"morvex"_s, u"-style"_s, u"fusion"_s} << "xcb;wayland"_ba;
    QTest::newRow("a program named -platform") << soloWayland << QStringList{u"-platform"_s} << "wayland"_ba;
    // clang-format on
}

void PruebasPlataforma::plataformaPreferida() {
    QFETCH(QStringList, entorno);
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, plataforma);
    QProcessEnvironment e;
    for (const QString& variable : entorno) {
        const qsizetype igual = variable.indexOf(u'=');
        e.insert(variable.left(igual), variable.mid(igual + 1));
    }
    QCOMPARE(PlataformaPreferida(e, argumentos), plataforma);
}

QTEST_GUILESS_MAIN(PruebasPlataforma)
#include "tst_plataforma.moc"
