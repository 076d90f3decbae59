#pragma once
// The stored form of the sample database: a product card over Products with text boxes, a combo
// box, a check box, a group box and a tab control of two pages.
#include <QString>

inline const QString kSampleFormName = QStringLiteral("ProductCard");

// The form's CtrlProps text.
QString sampleFormText();
