#include "code_page_edit.h"

#include "text_codec.h"

#include <QValidator>

namespace {

// Refuses any change that would bring in a character without a byte in the code page. The zero character
// is refused too: a zero byte would end the field's text when it is read back.
class TCodePageValidator : public QValidator {
public:
    TCodePageValidator(CodePage page, QObject *parent) : QValidator(parent), page_(page) {}

    State validate(QString &input, int &) const override
    {
        for (const QChar character : std::as_const(input)) {
            if (character.isNull() || !IsEncodable(page_, character))
                return Invalid;
        }
        return Acceptable;
    }

private:
    CodePage page_;
};

} // namespace

TEdit::TEdit(CodePage page, int maxLength, QWidget *parent) : QLineEdit(parent), page_(page)
{
    setMaxLength(maxLength);
    setValidator(new TCodePageValidator(page, this));
}
