#include "ui_state.h"

namespace zyt {

UiState::UiState()
{
    Field_Msgs[0] = QStringLiteral("This Field can not be Blank / Empty.");
    Field_Msgs[1] = QStringLiteral("Note: This Field can not be Blank / Empty and,\r\n"
                                   "Must have a Numerical Value other than Zero.");
}

} // namespace zyt
