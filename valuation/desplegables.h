#pragma once
// The drop-down lists of the valuation window, in the order the reset adds their items.

#include <array>

inline constexpr int kPrimerAnoLista = 1985;

inline constexpr std::array<const char*, 7> kDuracionesLeasing = {
    "6 meses", "9 meses", "1 año", "2 años", "3 años", "4 años", "5 años"};

inline constexpr std::array<const char*, 49> kMarcas = {
    "ALFA ROMEO", "AUDI",   "BMW",     "CADILLAC", "CHEVROLET",     "CHRYSLER", "CITROEN",
    "DACIA",      "DAEWOO", "FERRARI", "FIAT",     "FORD",          "HONDA",    "HUMMER",
    "HYUNDAI",    "ISUZU",  "JAGUAR",  "JEEP",     "KIA",           "LADA",     "LANCIA",
    "LAND ROVER", "LEXUS",  "MAYBACH", "MAZDA",    "MERCEDES BENZ", "MG",       "MINI",
    "MITSUBISHI", "NISSAN", "OPEL",    "PEUGEOT",  "PORSCHE",       "RENAULT",  "ROLLS ROYCE",
    "ROVER",      "SAAB",   "SANTANA", "SEAT",     "SKODA",         "SMART",    "SSANGYONG",
    "SUBARU",     "SUZUKI", "TALBOT",  "TATA",     "TOYOTA",        "VOLVO",    "VOLKSWAGEN"};

inline constexpr std::array<const char*, 11> kTiposVehiculo = {
    "Turismo", "Familiar",  "Monovolumen", "4x4",          "Coupe", "Deportivo",
    "Cabrio",  "Furgoneta", "Camion",      "Autocaravana", "Otros"};
