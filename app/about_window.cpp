#include "about_window.h"

#include "jpeg_picture.h"
#include "program_version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TForm_10::TForm_10() : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("about Velmora v") + QLatin1String(kProgramVersion));

    Image1 = new QLabel;
    Image1->setPixmap(QPixmap::fromImage(aboutPicture()));
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);

    ProductName = new QLabel(QStringLiteral("Velmora"));
    QFont nameFont(QStringLiteral("Arial"), 24, QFont::Bold);
    nameFont.setUnderline(true);
    ProductName->setFont(nameFont);

    Comments = new QLabel(QStringLiteral("software for M7340 Ultrasonic  Flaw Detector"));
    Version = new QLabel(QStringLiteral("Program version: %1 (30.07.2001)").arg(QLatin1String(kProgramVersion)));
    WebAddress = new QLabel(QStringLiteral("https://velmora.example"));
    WebAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);

    OKButton = new QPushButton(QStringLiteral("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Comments);
    texts->addWidget(Version);
    texts->addWidget(WebAddress);
    texts->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}
