#include "main/ClickLabel.h"

#include <QMouseEvent>

TClickLabel::TClickLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void TClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_bPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// Like a button: the click counts only when the mouse is released over the label.
void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool bClicked = m_bPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_bPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (bClicked)
        emit clicked();
}
