#pragma once
// The help pop-ups of the valuation sheet: the special classes, every criterion and the two
// values explain themselves when the pointer moves over them. Each entry gives the control, where
// the help memo opens relative to it, and the memo's title line and help text, exactly as shown
// (trailing blanks included).

#include "apariencia.h"
#include "criterios.h"

#include <array>
#include <string_view>

struct Ayuda {
    const char* nombre;
    int abajo;            // memo top = control top + abajo
    int derecha;          // memo left = control left + derecha
    unsigned fondoNormal; // 0x00BBGGRR
    const char* titulo;
    const char* texto;
};

inline constexpr unsigned kFondoResaltado = 0x00FFE0E0;
inline constexpr unsigned kTintaResaltado = 0x000000FF;
inline constexpr int kAnchoAyuda = 420;
inline constexpr int kAltoAyuda = 120;

inline constexpr auto kAyudas = std::to_array<Ayuda>({
    {"CEspecial1", 20, 10, kAmarillo, "Vehiculo Especial 1",
     "Se marcará Vehiculo Especial 1 si se trata de una autocaravana con camas y mesa plegable, "
     "sin ser coche vivienda o camion con caja abierta o cerrada de tipo normal. "},
    {"CEspecial2", 20, 10, kAmarillo, "Vehiculo Especial 2",
     "Se marcara Vehiculo Especial 2 si se trata de una autocaravana o coche vivienda provista de "
     "mesa plegable, cocina, fregadero, frigorifico, estantes, etc., o camion con caja especial "
     "abierta o cerrada."},
    {"LabelP1", 30, 30, kBlanco, "Imagen percibida sobre la Marca y el Modelo de coche",
     "Segun se perciba la marca y el modelo en referencia a experiencias propias o de terceros se "
     "pondra NORMAL o Standard si no existen perjuicios o estimulos negativos bajando o subiendo "
     "la puntuacion en funcion de las impresiones que se tengan. "},
    {"LabelP2", 30, 30, kBlanco, "Color coche: Moderno/ habitual/desfasado",
     "Se marcará NORMAL o Standard para un color habitual presente en el mercado reservandose el "
     "BIEN y MUY BIEN para colores modernos de venta actual. El MAL o MUY MAL se marcara en coches "
     "con colores en desuso."},
    {"LabelP3", 30, 30, kBlanco, "Velocidad depreciacion coche por variar mucho el Modelo",
     "NORMAL o Standard se marcara cuando la version del modelo con respecto a todos los modelos "
     "de la Marca sigue un ritmo de cambios similar al resto de las marcas y se valorara mejor o "
     "peor cuando dichos cambios sean escasos o excesivos. Modelo Coche = Variacion versiones "
     "modelo/modelos marca. "},
    {"LabelP4", 30, 30, kBlanco, "Coche depreciado: Leasing,Rent Car,Renting,muchosCV.. ",
     "Una valoracion NORMAL o Standard se marcara en la mayoria de los casos. Ahora bien, cuando "
     "un coche se compro con unas caracteristicas determinadas por algun tipo de deseo o "
     "motivacion especial y conseguir algun estimulo o recompensa el valor de cambio sufrira un "
     "drastico retroceso Fraccion de decision = Recompensa esperada/Esfuerzo requerido. "},
    {"LabelP5", 30, 30, kBlanco, "Apariencia/Cuidado EXTERNO del coche",
     "Se marcara NORMAL o Standard cuando la pintura este brillante, no se observen golpes no "
     "rozaduras tanto en la pintura como en los plasticos, los neumaticos presenten un desgaste "
     "normal en su banda de rodadura y en caso de que fuese retocada la pintura se examinara a "
     "fondo el alcance del siniestro. Se puntuara BIEN, MUY BIEN, MAL, MUY MAL segun la "
     "apreciacion visual. "},
    {"LabelP6", 30, 30, kBlanco, "Aspecto INTERNO del conjunto habitaculo",
     "Se marcara NORMAL o Standard cuando el tapizado de los asientos, puertas, techo, alfombras y "
     "cuadro de instrumentos presenten un optimo estado. Se puntuara BIEN, MUY BIEN, MAL, MUY MAL "
     "segun esten los elementos. "},
    {"LabelP7", 30, 30, kBlanco, "Años del coche: Prejuicio por tener modelo actual o NO",
     "Una puntuacion NORMAL o Standard se marcara cuando los años del coche no tengan demasiada "
     "importancia para el comprador ya que su status social es lo suficientemente solido y "
     "estable para no causarle frustacion la compra de un coche que siendo mas antiguo pudiera "
     "estar tecnicamente perfecto. "},
    {"LabelP8", 30, 30, kBlanco, "Kilometros Cuadro: Posibilidad de Falsedad/Engaño",
     "Si se marca NORMAL o Standard sera porque los kilometros del cuadro estan en consonancia con "
     "los desgastes del asiento del conductor, gomas pedales de freno, resbalon cierre puertas, "
     "bulones de bisagras, volante conductor (siempre que el anterior usuario no tuviese manos "
     "asperas) y se marcara BIEN, MUY BIEN, MAL, MUY MAL en funcion de que se sospeche que hubo "
     "manipulacion en los kilometros. "},
    {"LabelP9", 30, 30, kBlanco, "Estado mecanica: Prueba motor,cambio, etc.",
     "Una puntuacion NORMAL o Standard se marcara cuando con el capo levantado no se observan "
     "perdidas de liquidos. Arrancando y parando el motor no se producen golpes bruscos. El pedal "
     "embrague, palanca cambio y freno de mano presenta un funcionamiento suave y en la prueba "
     "funcional el BIEN, MAL, MUY MAL en funcion de que los aspectos valorados se desvien del "
     "normal funcionamiento. "},
    {"LabelP10", 30, 30, kBlanco, "Fallos ocultos coche: Escaneado averias electronicas",
     "Haciendo una diagnosis o escaneado al coche y no detectandole averias electronicas "
     "importantes en las UCEs se marca NORMAL o Standard teniendo en cuenta que los coches "
     "modernos con mucha electronica suelen recoger averias esporadicas de su funcionamiento. Si "
     "las averias que tiene el coche se borran y no afectan a piezas importantes se marcara BIEN "
     "o MUY BIEN y si un coche no se escaneó se marcara MAL o MUY MAL. "},
    {"LabelP11", 30, 30, kBlanco, "Extras: Opciones NO incluidas en los Vehiculos Nuevos</B>",
     "Se marcara NORMAL o Standard si los extras que tiene el vehiculo son lor normales de "
     "fabricacion, marcandose MAL o MUY MAL si el coche solo tiene unos extras minimos y BIEN o "
     "MUY BIEN cuando el coche tenga un equipamiento muy superior a lo que exigen los clientes. "},
    {"LabelValorUso", 20, 20, kBlanco, "Valor de Uso (Precio del Coche)",
     "Precio del coche segun deseabilidad del cliente, valorando el uso continuado y habitual del "
     "vehiculo el cual se considera que satisface su escala de valores segun el status social del "
     "usuario. "},
    {"LabelValorCambio", 20, 20, kBlanco, "Valor de Cambio (Precio para reventa)",
     "Valoracion del coche comprado para reventa con objeto de sacar un beneficio, pero asumiendo "
     "el coste financiero, depreciacion del vehiculo por transcurso del tiempo, alquiler del "
     "local, coste preparacion coche, comisiones venta, garantias mecanica, etc. quien se dedique "
     "a este negocio. "},
});

// Whether `nombre` names the caption of criterion row `fila` (1-based).
constexpr bool EsTituloCriterio(std::string_view nombre, size_t fila) {
    const std::string_view prefijo = kTituloCriterio;
    if (!nombre.starts_with(prefijo) || nombre.size() == prefijo.size())
        return false;
    size_t numero = 0;
    for (const char c : nombre.substr(prefijo.size())) {
        if (c < '0' || c > '9')
            return false;
        numero = numero * 10 + static_cast<size_t>(c - '0');
    }
    return numero == fila && nombre[prefijo.size()] != '0';
}

static_assert(
    [] {
        for (size_t fila = 1; fila <= kCriterios.size(); ++fila) {
            bool tiene = false;
            for (const Ayuda& ayuda : kAyudas)
                tiene = tiene || EsTituloCriterio(ayuda.nombre, fila);
            if (!tiene)
                return false;
        }
        return true;
    }(),
    "every criterion must have its help: a row of kAyudas named after its caption, LabelP<row>");
