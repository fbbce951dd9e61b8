// Build tool: writes the application icon at every size as
// FOLDER/NxN/org.example.orv.png, for the desktop's icon theme.
#include "ui/artwork/artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: make_icons FOLDER\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QFile::decodeName(argv[1]));
    for (int size : orv::ui::kApplicationIconSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1").arg(size);
        if (!folder.mkpath(sizeFolder)
            || !orv::ui::ApplicationIconImage(size).save(
                folder.filePath(sizeFolder + QStringLiteral("/org.example.orv.png")))) {
            std::fprintf(stderr, "make_icons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
