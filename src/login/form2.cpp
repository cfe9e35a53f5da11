#include "form2.h"

#include "exam_state.h"
#include "platform/twips.h"

namespace qv {

Form2::Form2() {
    setWindowTitle(QStringLiteral("Quorvane"));
}

void Form2::Form_Load() {
    setHeight(6820);
    setWidth(9600);
}

}  // namespace qv
