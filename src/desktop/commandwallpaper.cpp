#include "desktop/commandwallpaper.h"

QString swayWord(const QString& path) {
    // swaymsg joins its arguments into one command that sway splits into commands on ';' and
    // ',', and into words on blanks; "bg" then expands its file name as a shell expands a word
    // ($variables, $(commands), ~, globs). A backslash before each character that any of these
    // reads keeps it literal through all of them, where quotes would not: sway strips quotes
    // that open a word and leaves the rest to the expansion. A line break would end the
    // command, escaped or not.
    if (path.contains(u'\n'))
        return {};
    QString word;
    for (const QChar c : path) {
        if (c.unicode() < 0x80 && !c.isLetterOrNumber() && !QStringView(u"/._+:@-").contains(c))
            word += u'\\';
        word += c;
    }
    return word;
}

bool CommandWallpaper::setWallpaper(const QString& picture) {
    const QString imagePath = absolutePath(picture);
    const QString setWallpaper = QStringLiteral("--set-wallpaper"),
                  mode = QStringLiteral("--wallpaper-mode");
    switch (m_desktop) {
    case Desktop::Plasma:
        // Plasma's default mode already scales and crops to fill.
        return run(QStringLiteral("plasma-apply-wallpaperimage"), {imagePath});
    case Desktop::LxQt:
        return run(QStringLiteral("pcmanfm-qt"),
                   {setWallpaper, imagePath, mode, QStringLiteral("zoom")});
    case Desktop::Lxde:
        return run(QStringLiteral("pcmanfm"),
                   {setWallpaper, imagePath, mode, QStringLiteral("crop")});
    case Desktop::Sway: {
        const QString word = swayWord(imagePath);
        return !word.isEmpty() &&
               run(QStringLiteral("swaymsg"), {QStringLiteral("output"), QStringLiteral("*"),
                                               QStringLiteral("bg"), word, QStringLiteral("fill")});
    }
    }
    return false;
}
