// Looks at the X screen for the end-to-end check, as a person's eyes would:
//   screen-probe grab OUT.png              the whole screen
//   screen-probe same A.png B.png X Y W H  exit status 0 when the region is alike in both
//   screen-probe pixel A.png X Y           prints the red, green and blue of a pixel

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

int grab(const QString &out)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    return shot.save(out, "PNG") ? 0 : 1;
}

int same(const QStringList &arguments)
{
    const QImage a(arguments[0]);
    const QImage b(arguments[1]);
    const QRect region(arguments[2].toInt(), arguments[3].toInt(), arguments[4].toInt(), arguments[5].toInt());
    if (a.isNull() || b.isNull())
        return 2;
    return a.copy(region) == b.copy(region) ? 0 : 1;
}

int pixel(const QStringList &arguments)
{
    const QImage image(arguments[0]);
    if (image.isNull())
        return 2;
    const QColor colour = image.pixelColor(arguments[1].toInt(), arguments[2].toInt());
    std::printf("%d %d %d\n", colour.red(), colour.green(), colour.blue());
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("grab") && arguments.size() == 1)
        return grab(arguments[0]);
    if (command == QLatin1String("same") && arguments.size() == 6)
        return same(arguments);
    if (command == QLatin1String("pixel") && arguments.size() == 3)
        return pixel(arguments);
    std::fprintf(stderr, "usage: screen-probe grab OUT.png | same A B X Y W H | pixel A X Y\n");
    return 2;
}
