#include "main/Product.h"

#include "main/ClickLabel.h"

#include <QPixmap>

const char* const PRODUCT_WEB_PAGE = "https://www.example.com/brindle/";
const char* const SUPPORT_ADDRESS = "support@example.com";
const char* const SUPPORT_MAIL_LINK = "mailto:support@example.com?subject=Brindle%20Converter%20Bug%20Report";
const char* const HELP_FILE = "Brindle.chm";

// The pictures live in the ui library, which the linker would otherwise drop as unreferenced.
static void EnsureProductResources()
{
    static const bool bLoaded = [] {
        Q_INIT_RESOURCE(brindle);
        return true;
    }();
    (void)bLoaded;
}

namespace {

TClickLabel* CreatePicture(QWidget* parent, const char* szName, const char* szResource)
{
    EnsureProductResources();
    auto* picture = new TClickLabel(parent);
    picture->setObjectName(szName);
    const QPixmap pixmap(szResource);
    picture->setPixmap(pixmap);
    picture->setFixedSize(pixmap.size());
    return picture;
}

}  // namespace

TClickLabel* CreateProductIcon(QWidget* parent)
{
    return CreatePicture(parent, "imgIcon", ":/brindle/product-icon.png");
}

TClickLabel* CreateProductText(QWidget* parent)
{
    return CreatePicture(parent, "imgText", ":/brindle/product-text.png");
}

void PaintAsBanner(QWidget* banner)
{
    banner->setAutoFillBackground(true);
    banner->setStyleSheet(QStringLiteral(
        "#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #183e78, stop:1 #0c224a); }")
                              .arg(banner->objectName()));
}

TDialogBanner CreateDialogBanner(QWidget* dialog)
{
    auto* pTop = new QWidget(dialog);
    pTop->setObjectName("pTop");
    pTop->setFixedHeight(100);
    PaintAsBanner(pTop);
    TClickLabel* imgIcon = CreateProductIcon(pTop);
    imgIcon->move(14, 10);
    TClickLabel* imgText = CreateProductText(pTop);
    imgText->move(106, 18);
    return {pTop, imgIcon, imgText};
}
