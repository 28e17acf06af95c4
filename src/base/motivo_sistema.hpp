#pragma once
// Why a call to the system failed, from its errno, in Spanish as a surveyor
// reads it (Windows-1252 where the core is built so): for the messages about
// files the program writes.

#include <string>

namespace rumbal {

std::string motivosistema(int numero);

}  // namespace rumbal
