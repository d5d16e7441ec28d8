#pragma once
// The inspection checklist of the certificate: its items in groups, each item with its caption
// and its weight. One table, one place: the sheet, the scoring and the defect list all
// read it.

#include <array>

struct ElementoLista {
    const char* texto; // caption, beginning with the item number and ".- "
    int peso;          // what the item adds to the score when rated "Bien"
};

struct GrupoLista {
    const char* nombre;
    int primero; // first item, 1-based
    int ultimo;  // last item
};

inline constexpr auto kGrupos = std::to_array<GrupoLista>({
    {"Carroceria parte exterior", 1, 10},
    {"Interior coche (Habitaculo)", 11, 17},
    {"Motor", 18, 29},
    {"Prueba en carretera", 30, 35},
    {"Sistema electrico", 36, 42},
    {"Parte baja del coche", 43, 55},
});

inline constexpr auto kElementos = std::to_array<ElementoLista>({
    {"1.- Pintura de Fabrica o pintado posterior brillante", 50},
    {"2.- Pequeños golpes o rozaduras en la pintura y plasticos carroceria", 25},
    {"3.- Sintomas de daños externos de accidentes", 50},
    {"4.- Diferencias de color en conjuntos carroceria", 50},
    {"5.- Chinazos en Parabrisas, lunas o cristales laterales", 25},
    {"6.- Presencia de Oxidos externos u oxidos en uniones de chapas", 50},
    {"7.- Funcionamiento suave de puertas y capos", 25},
    {"8.- Capo y Porton levantado, ver sintomas de accidentes en chasis", 50},
    {"9.- Estado Parachoques delantero/Trasero y guarnecidos laterales", 20},
    {"10.- Estado de los bajos del coche", 50},
    {"11.- Estado y limpieza Tapizado asientos, puertas y techo", 35},
    {"12.- Estado de las Alfombras y Moquetas", 20},
    {"13.- Mecanica de los asientos (regulacion,desplazamiento,etc)", 50},
    {"14.- Techo electrico y Puertas; accionamientos", 50},
    {"15.- Estado del Panel, Cuadro Instrumentos y Volante Direccion", 50},
    {"16.- Funcionamiento de las luces y accesorios internos", 25},
    {"17.- Suavidad Palanca velocidades, Freno mano y Pedales mando", 30},
    {"18.- Fugas de liquidos o aceites en vano motor", 50},
    {"19.- Manguitos goma: Sintomas de envejecimiento o ligeras grietas", 50},
    {"20.- Nivel aceite y color sin restos de agua (grisaceo)", 50},
    {"21.- Nivel liquido frenos, direccion asistida, refrigerante y color liquidos", 25},
    {"22.- Presion residual manguitos refrigeracion (Ausencia)", 50},
    {"23.- Todas Pegatinas/revisiones motor, correa distrib, etc (Hay/No hay)", 20},
    {"24.- Rumorosidad a ralenti. Arranque/Pare motor suave-brusco", 50},
    {"25.- Respuesta aceleracion motor a pedal acelerador", 20},
    {"26.- Con freno mano y marcha, responde embrague y acelerador", 20},
    {"27.- En aceleracion del motor salen exceso de humos por el escape", 25},
    {"28.- Con motor a ralenti aflojando tapa llenado aceite ver presion interna", 50},
    {"29.- Ausencia de burbujas y restos aceite en bote liquido refrigerante", 50},
    {"30.- Cinturones de seguridad con funcionamiento correcto", 20},
    {"31.- Respuesta de los frenos", 50},
    {"32.- En carretera ausencia de tendencia de tirar hacia los laterales", 50},
    {"33.- Aceleracion/Deceleracion acorde con aguja velocimetro/rpm", 20},
    {"34.- Suavidad motor/cambio velocidades", 50},
    {"35.- Control mandos conductor", 20},
    {"36.- Cromado interno de faros, pilotos y estado de los mismos", 50},
    {"37.- Accionamiento luces, intermitentes, calefaccion, etc.", 25},
    {"38.- Mandos elevalunas, cierre centralizado, techo, etc.", 50},
    {"39.- Mandos calefaccion, radio, aire acondicionado, etc.", 50},
    {"40.- Tension de bateria (normal = superior a 12V)", 20},
    {"41.- Carga alternador (13.5 a 14.3V) con motor a ralenti", 25},
    {"42.- Aire acondicionado: se pega el plato al accionar contacto", 50},
    {"43.- Neumaticos con desgaste normal en banda de rodadura", 50},
    {"44.- Conservacion y aspecto de las llantas", 20},
    {"45.- Amortiguacion delantera. Ver mas de 1 rebote en empuje vertical", 50},
    {"46.- Amortiguacion trasera. Ver mas de 1 rebote en empuje vertical", 50},
    {"47.- Desgaste pastillas de freno y discos freno", 50},
    {"48.- Holguras en las ruedas balanceando con las manos", 50},
    {"49.- Ausencia de ruidos en rodamientos, homocinetica al giro ruedas", 20},
    {"50.- Envejecimiento de latiguillos freno (goma nueva/grietas)", 50},
    {"51.- Rotulas direccion y suspension: Holguras", 50},
    {"52.- Capuchones Palieres Transmision (goma nueva/grietas)", 50},
    {"53.- Sistema de escape (nuevo, oxidado o ruidoso)", 20},
    {"54.- Rozaduras y golpes en laterales de la parte inferior", 50},
    {"55.- Manchas aceite en parte inferior motor. Sin petrolear", 25},
});

// The score's divisor: the weights of all the items (2130) over it give 7.
inline constexpr long double kDivisorLista = 304.28L;

constexpr int SumaPesos() {
    int suma = 0;
    for (const ElementoLista& e : kElementos)
        suma += e.peso;
    return suma;
}

static_assert(SumaPesos() * 100 / kDivisorLista >= 699.5L &&
                  SumaPesos() * 100 / kDivisorLista < 700.5L,
              "the checklist's weights over its divisor must give 7: with a new item or a new "
              "weight, the divisor changes too");
static_assert(
    [] {
        int siguiente = 1;
        for (const GrupoLista& g : kGrupos) {
            if (g.primero != siguiente || g.ultimo < g.primero)
                return false;
            siguiente = g.ultimo + 1;
        }
        return siguiente == static_cast<int>(kElementos.size()) + 1;
    }(),
    "each checklist group must begin where the one before ends, and the last end at the last "
    "item");
