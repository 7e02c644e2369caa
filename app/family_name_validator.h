#pragma once
// The family-name edit holds at most three Chinese characters: its limit is six bytes of the
// text's GBK encoding, so one Chinese character counts as two and an ASCII letter as one.

#include <QValidator>

class FamilyNameValidator final : public QValidator {
    Q_OBJECT

public:
    static constexpr int MaxGbkBytes = 6;

    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
