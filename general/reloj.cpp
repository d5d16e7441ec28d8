#include "reloj.h"

#include <optional>

namespace {
std::optional<QDateTime> relojFijo;
}

QDateTime AhoraLocal() { return relojFijo ? *relojFijo : QDateTime::currentDateTime(); }

void FijarReloj(const QDateTime& momento) { relojFijo = momento; }
