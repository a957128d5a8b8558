// The product's pictures and addresses, shared by the main window and the dialogs.
#pragma once

class TClickLabel;
class QWidget;

extern const char* const PRODUCT_WEB_PAGE;
extern const char* const SUPPORT_ADDRESS;
// The support address as a mail link with the bug report subject.
extern const char* const SUPPORT_MAIL_LINK;
extern const char* const HELP_FILE;

// The product picture (imgIcon) and the product name picture (imgText) of a banner.
TClickLabel* CreateProductIcon(QWidget* parent);
TClickLabel* CreateProductText(QWidget* parent);

// The colour banners are painted with.
void PaintAsBanner(QWidget* banner);

// The top panel pTop of a dialog, with imgIcon and imgText.
struct TDialogBanner {
    QWidget* pTop;
    TClickLabel* imgIcon;
    TClickLabel* imgText;
};
TDialogBanner CreateDialogBanner(QWidget* dialog);
