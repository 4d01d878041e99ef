// The centring rules of ui/layout_rules.h over Qt's geometry types.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

#include "ui/layout_rules.h"

namespace peruka {

QPoint CentredPosition(TCentring rule, QSize screen, QSize outer);
std::optional<QPoint> CentredOnceFramed(TCentring rule, QSize screen, QPoint placed, const QRect& client,
                                        const QRect& frame);

}  // namespace peruka
