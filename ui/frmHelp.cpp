#include "frmHelp.h"

#include <QPushButton>

#include "FormBuilder.h"
#include "frmHelpForm.h"

frmHelp::frmHelp()
{
    setAttribute(Qt::WA_DeleteOnClose);
    FormBuilder::buildWindow(*this, frmHelpForm::form);
    for (const Form::Element& element : frmHelpForm::elements)
        FormBuilder::build(element, this);
    connect(findChild<QPushButton*>(QString::fromLatin1(frmHelpForm::Command1.name)),
            &QPushButton::clicked, this, &QDialog::accept);
}
