#pragma once

namespace keyvora {
} // namespace keyvora
