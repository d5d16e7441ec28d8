#pragma once
// The inspection checklist of the certificate: its items in groups, each item with its caption
// and its weight. One table, one place: the sheet, the scoring and the defect list all
// read it.

#include <array>

struct ElementoLista {
    const char* texto; // caption; the sheet puts the item's number and ".- " before it
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
    {"Pintura de Fabrica o pintado posterior brillante", 50},
    {"Pequeños golpes o rozaduras en la pintura y plasticos carroceria", 25},
    {"Sintomas de daños externos de accidentes", 50},
    {"Diferencias de color en conjuntos carroceria", 50},
    {"Chinazos en Parabrisas, lunas o cristales laterales", 25},
    {"Presencia de Oxidos externos u oxidos en uniones de chapas", 50},
    {"Funcionamiento suave de puertas y capos", 25},
    {"Capo y Porton levantado, ver sintomas de accidentes en chasis", 50},
    {"Estado Parachoques delantero/Trasero y guarnecidos laterales", 20},
    {"Estado de los bajos del coche", 50},
    {"Estado y limpieza Tapizado asientos, puertas y techo", 35},
    {"Estado de las Alfombras y Moquetas", 20},
    {"Mecanica de los asientos (regulacion,desplazamiento,etc)", 50},
    {"Techo electrico y Puertas; accionamientos", 50},
    {"Estado del Panel, Cuadro Instrumentos y Volante Direccion", 50},
    {"Funcionamiento de las luces y accesorios internos", 25},
    {"Suavidad Palanca velocidades, Freno mano y Pedales mando", 30},
    {"Fugas de liquidos o aceites en vano motor", 50},
    {"Manguitos goma: Sintomas de envejecimiento o ligeras grietas", 50},
    {"Nivel aceite y color sin restos de agua (grisaceo)", 50},
    {"Nivel liquido frenos, direccion asistida, refrigerante y color liquidos", 25},
    {"Presion residual manguitos refrigeracion (Ausencia)", 50},
    {"Todas Pegatinas/revisiones motor, correa distrib, etc (Hay/No hay)", 20},
    {"Rumorosidad a ralenti. Arranque/Pare motor suave-brusco", 50},
    {"Respuesta aceleracion motor a pedal acelerador", 20},
    {"Con freno mano y marcha, responde embrague y acelerador", 20},
    {"En aceleracion del motor salen exceso de humos por el escape", 25},
    {"Con motor a ralenti aflojando tapa llenado aceite ver presion interna", 50},
    {"Ausencia de burbujas y restos aceite en bote liquido refrigerante", 50},
    {"Cinturones de seguridad con funcionamiento correcto", 20},
    {"Respuesta de los frenos", 50},
    {"En carretera ausencia de tendencia de tirar hacia los laterales", 50},
    {"Aceleracion/Deceleracion acorde con aguja velocimetro/rpm", 20},
    {"Suavidad motor/cambio velocidades", 50},
    {"Control mandos conductor", 20},
    {"Cromado interno de faros, pilotos y estado de los mismos", 50},
    {"Accionamiento luces, intermitentes, calefaccion, etc.", 25},
    {"Mandos elevalunas, cierre centralizado, techo, etc.", 50},
    {"Mandos calefaccion, radio, aire acondicionado, etc.", 50},
    {"Tension de bateria (normal = superior a 12V)", 20},
    {"Carga alternador (13.5 a 14.3V) con motor a ralenti", 25},
    {"Aire acondicionado: se pega el plato al accionar contacto", 50},
    {"Neumaticos con desgaste normal en banda de rodadura", 50},
    {"Conservacion y aspecto de las llantas", 20},
    {"Amortiguacion delantera. Ver mas de 1 rebote en empuje vertical", 50},
    {"Amortiguacion trasera. Ver mas de 1 rebote en empuje vertical", 50},
    {"Desgaste pastillas de freno y discos freno", 50},
    {"Holguras en las ruedas balanceando con las manos", 50},
    {"Ausencia de ruidos en rodamientos, homocinetica al giro ruedas", 20},
    {"Envejecimiento de latiguillos freno (goma nueva/grietas)", 50},
    {"Rotulas direccion y suspension: Holguras", 50},
    {"Capuchones Palieres Transmision (goma nueva/grietas)", 50},
    {"Sistema de escape (nuevo, oxidado o ruidoso)", 20},
    {"Rozaduras y golpes en laterales de la parte inferior", 50},
    {"Manchas aceite en parte inferior motor. Sin petrolear", 25},
});

// The score's divisor: the weights of all the items over it give 7.
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
        for (const ElementoLista& e : kElementos) {
            if (e.texto[0] >= '0' && e.texto[0] <= '9')
                return false;
        }
        return true;
    }(),
    "a checklist caption must not begin with a number: the item's number comes from its place");
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
