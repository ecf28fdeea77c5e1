#include "app_state.h"

#include "main_model.h"

namespace zyt {

bool AppState::Metric() const { return Main && Main->checked(MainModel::Check2); }

} // namespace zyt
