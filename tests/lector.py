#!/usr/bin/python3
# Both windows as a screen reader hears them, through the accessibility bus: the program runs
# with accessibility on, Tab is pressed as a user presses it, and each control that takes the
# focus is read as a reader reads it: role, name, description, text. Run by lector.sh.
# usage: lector.py path/to/morvex
import os
import re
import subprocess
import sys
import time

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    print(f"SKIP: the accessibility bindings are missing ({error}): apt-get install python3-pyatspi")
    sys.exit(77)

TITULO_VALORACION = "Tasacion; Valoracion Morvex para la compra-venta Coches Ocasion"
TITULO_CERTIFICADO = "Certificado de Calidad"
fallos = []


def fallo(texto):
    fallos.append(texto)
    print("FAIL:", texto)


class Oido:
    """What the reader hears: the objects that take the focus, in order, and the notifications
    shown, which readers speak unasked."""

    def __init__(self):
        self.oidos = []
        self.anuncios = []
        self.escucha = Atspi.EventListener.new(self.al_evento)
        self.escucha.register("object:state-changed:focused")
        self.escucha.register("object:state-changed:showing")

    def al_evento(self, evento):
        if evento.detail1 != 1:
            return
        if evento.type.startswith("object:state-changed:showing"):
            if evento.source.get_role() == Atspi.Role.NOTIFICATION:
                self.anuncios.append(evento.source.get_name() or "")
        else:
            self.oidos.append(evento.source)

    def anunciado(self, segundos=2.0):
        """The notifications shown within the time given, once the first is heard."""
        fin = time.monotonic() + segundos
        contexto = GLib.MainContext.default()
        while time.monotonic() < fin:
            while contexto.iteration(False):
                pass
            time.sleep(0.005)
            if self.anuncios and fin - time.monotonic() > 0.4:
                fin = time.monotonic() + 0.4  # a second one would follow at once
        anuncios, self.anuncios = self.anuncios, []
        return anuncios

    def callar(self):
        self.anunciado(0.3)

    def esperar(self, segundos=5.0):
        fin = time.monotonic() + segundos
        contexto = GLib.MainContext.default()
        while time.monotonic() < fin:
            while contexto.iteration(False):
                pass
            if self.oidos:
                return self.oidos.pop(-1)
            time.sleep(0.005)
        return None

    def tecla(self, nombre):
        self.oidos.clear()
        subprocess.run(["xdotool", "key", nombre], check=True)
        return self.esperar()


def texto_de(objeto):
    try:
        return Atspi.Text.get_text(objeto, 0, Atspi.Text.get_character_count(objeto))
    except Exception:
        return None


def extension(objeto):
    caja = objeto.get_extents(Atspi.CoordType.SCREEN)
    return caja.x, caja.y, caja.width, caja.height


def hoja_de(objeto):
    """The white sheet that holds the object: the child of the scroll box's viewport."""
    cadena = []
    while objeto is not None:
        cadena.append(objeto)
        if (objeto.get_name() or "").startswith("Hoja "):
            return cadena[-3] if len(cadena) >= 3 else None
        objeto = objeto.get_parent()
    return None


def valor_de(objeto):
    """What a reader says after the name: the text of an edit, of a list's edit part."""
    if objeto.get_role() == Atspi.Role.COMBO_BOX:
        for i in range(objeto.get_child_count()):
            hijo = objeto.get_child_at_index(i)
            if hijo is not None and hijo.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY):
                return texto_de(hijo), hijo.get_name() or ""
        return None, None
    return texto_de(objeto), None


def sin_nombre(raiz):
    """Every object a user can focus in the window, walked as a reader's review does: those
    without a role or a name."""
    faltan = []
    pendientes = [raiz]
    vistos = 0
    while pendientes:
        objeto = pendientes.pop()
        vistos += 1
        estados = objeto.get_state_set()
        if estados.contains(Atspi.StateType.FOCUSABLE) and estados.contains(Atspi.StateType.SHOWING):
            if objeto.get_role() == Atspi.Role.UNKNOWN or not (objeto.get_name() or "").strip():
                faltan.append(f"{objeto.get_role_name()} in {objeto.get_parent().get_name()!r}")
        for i in range(objeto.get_child_count()):
            hijo = objeto.get_child_at_index(i)
            if hijo is not None:
                pendientes.append(hijo)
    return faltan, vistos


def leer(objeto):
    x, y, ancho, alto = extension(objeto)
    hoja = hoja_de(objeto)
    lugar = None
    if hoja is not None:
        hx, hy, _, _ = extension(hoja)
        lugar = (x - hx, y - hy)
    return {
        "objeto": objeto,
        "rol": objeto.get_role_name(),
        "nombre": objeto.get_name() or "",
        "descripcion": objeto.get_description() or "",
        "texto": valor_de(objeto)[0],
        "nombreEdicion": valor_de(objeto)[1],
        "lugar": lugar,
    }


def recorrer(oido, ventana, primero):
    """Tab from the control with the focus round to it again; what the reader hears."""
    inicio = primero
    oidos = [leer(primero)]
    for _ in range(200):
        objeto = oido.tecla("Tab")
        if objeto is None:
            fallo(f"{ventana}: Tab after '{oidos[-1]['nombre']}' gave no focus event")
            return oidos
        if objeto == inicio or (objeto.get_name() == inicio.get_name() and
                                objeto.get_role() == inicio.get_role()):
            return oidos
        oidos.append(leer(objeto))
    fallo(f"{ventana}: Tab never came back to '{oidos[0]['nombre']}'")
    return oidos


def comprobar(ventana, raiz, oidos, marco, resultados, listas, ayudas):
    nombres = [o["nombre"] for o in oidos]
    faltan, vistos = sin_nombre(raiz)
    print(f"{ventana}: {vistos} objects walked")
    for falta in faltan:
        fallo(f"{ventana}: a control a user can focus has no name: {falta}")
    print(f"{ventana}: {len(oidos)} stops heard")
    for o in oidos:
        print(f"  {o['rol']:>13} | {o['nombre']} | {o['texto'] if o['texto'] is not None else ''}")
    if nombres[:len(marco)] != marco:
        fallo(f"{ventana}: the frame heard as {nombres[:len(marco)]}, not {marco}")
    for o in oidos:
        if not o["rol"] or o["rol"] == "unknown" or not o["nombre"].strip():
            fallo(f"{ventana}: a stop without role or name: {o['rol']!r} {o['nombre']!r}")
    # The result fields are reached and read.
    for nombre, con_texto in resultados:
        hallados = [o for o in oidos if o["nombre"] == nombre]
        if not hallados:
            fallo(f"{ventana}: result '{nombre}' never reached by Tab")
        elif hallados[0]["texto"] is None or (con_texto and not hallados[0]["texto"].strip()):
            fallo(f"{ventana}: result '{nombre}' read as {hallados[0]['texto']!r}")
    # Lists are heard by their caption, then their text; the edit part by the caption too.
    for nombre, valor in listas:
        hallados = [o for o in oidos if o["nombre"] == nombre]
        if not hallados or hallados[0]["rol"] != "combo box":
            fallo(f"{ventana}: no list heard as '{nombre}'")
        elif hallados[0]["texto"] != valor or hallados[0]["nombreEdicion"] != nombre:
            fallo(f"{ventana}: list '{nombre}' reads {hallados[0]['texto']!r}, its edit part "
                  f"is named {hallados[0]['nombreEdicion']!r}")
    listas = [nombre for nombre, _ in listas]
    for o in oidos:
        if o["rol"] == "combo box" and o["nombre"] not in listas:
            fallo(f"{ventana}: a list heard as '{o['nombre']}'")
    # Each help is the description of the controls the keyboard reaches for it.
    for nombre, titulo in ayudas:
        hallados = [o for o in oidos if o["nombre"] == nombre]
        if not hallados or not hallados[0]["descripcion"].startswith(titulo):
            fallo(f"{ventana}: '{nombre}' without its help '{titulo}'")
    # Tab follows the page: down the sheet, left to right along a line.
    en_hoja = [o for o in oidos if o["lugar"] is not None]
    if len(en_hoja) < len(oidos) - len(marco) - 1:
        fallo(f"{ventana}: only {len(en_hoja)} stops found on the sheet")
    for antes, despues in zip(en_hoja, en_hoja[1:]):
        (xa, ya), (xd, yd) = antes["lugar"], despues["lugar"]
        if yd < ya - 20 or (abs(yd - ya) < 5 and xd <= xa):
            fallo(f"{ventana}: '{despues['nombre']}' at {despues['lugar']} heard after "
                  f"'{antes['nombre']}' at {antes['lugar']}")
    return nombres


LIMITES = [("char", Atspi.TextBoundaryType.CHAR), ("word", Atspi.TextBoundaryType.WORD_START),
           ("sentence", Atspi.TextBoundaryType.SENTENCE_START),
           ("line", Atspi.TextBoundaryType.LINE_START)]


def campos_de_texto(raiz):
    """Every edit field, memo and result line of the window: what holds a text a user reads."""
    campos = []
    pendientes = [raiz]
    while pendientes:
        objeto = pendientes.pop()
        if objeto.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY) or \
                objeto.get_name() == "Fecha del certificado":
            campos.append(objeto)
            continue
        for i in range(objeto.get_child_count()):
            hijo = objeto.get_child_at_index(i)
            if hijo is not None:
                pendientes.append(hijo)
    return campos


def preguntar(ventana, nombre, pregunta, *argumentos):
    """One text query, answered within a second."""
    inicio = time.monotonic()
    try:
        respuesta = pregunta(*argumentos)
    except Exception as error:  # an answer that never came, or a fault
        fallo(f"{ventana}: '{nombre}' {pregunta.__name__}{argumentos[1:]} failed: {error}")
        return None
    if time.monotonic() - inicio > 1.0:
        fallo(f"{ventana}: '{nombre}' {pregunta.__name__}{argumentos[1:]} took "
              f"{time.monotonic() - inicio:.1f} s")
    return respuesta


def comprobar_textos(ventana, raiz, esperados):
    """Every text query at the start, middle and end of every field, each answered right."""
    campos = campos_de_texto(raiz)
    preguntas = 0
    for campo in campos:
        nombre = campo.get_name() or campo.get_role_name()
        n = preguntar(ventana, nombre, Atspi.Text.get_character_count, campo)
        texto = preguntar(ventana, nombre, Atspi.Text.get_text, campo, 0, -1)
        if n is None or texto is None:
            continue
        if len(texto) != n:
            fallo(f"{ventana}: '{nombre}' holds {texto!r} but counts {n}")
        if nombre in esperados and texto != esperados[nombre]:
            fallo(f"{ventana}: '{nombre}' reads {texto!r}, not {esperados[nombre]!r}")
        for posicion in sorted({0, n // 2, n, -1}):
            donde = n if posicion == -1 else posicion
            for limite, tipo in LIMITES:
                preguntas += 3
                en = preguntar(ventana, nombre, Atspi.Text.get_text_at_offset, campo, posicion,
                               tipo)
                antes = preguntar(ventana, nombre, Atspi.Text.get_text_before_offset, campo,
                                  posicion, tipo)
                despues = preguntar(ventana, nombre, Atspi.Text.get_text_after_offset, campo,
                                    posicion, tipo)
                if en is None or antes is None or despues is None:
                    continue
                que = f"{ventana}: '{nombre}' ({texto!r}) {limite} at {posicion}"
                for parte, pieza in (("at", en), ("before", antes), ("after", despues)):
                    if pieza.content != texto[pieza.start_offset:pieza.end_offset] or \
                            not 0 <= pieza.start_offset <= pieza.end_offset <= n:
                        fallo(f"{que}: {parte} gives {pieza.content!r} "
                              f"[{pieza.start_offset}, {pieza.end_offset})")
                if limite == "char":
                    if en.content != texto[donde:donde + 1]:
                        fallo(f"{que}: gives {en.content!r}")
                elif n > 0 and not (en.start_offset <= donde <= en.end_offset and en.content):
                    fallo(f"{que}: gives {en.content!r} [{en.start_offset}, {en.end_offset})")
                if limite == "line" and "\n" not in texto and en.content != texto:
                    fallo(f"{que}: the line is {en.content!r}")
                if antes.end_offset > en.start_offset or despues.start_offset < en.end_offset:
                    fallo(f"{que}: before [{antes.start_offset}, {antes.end_offset}), after "
                          f"[{despues.start_offset}, {despues.end_offset}) overlap "
                          f"[{en.start_offset}, {en.end_offset})")
        caret = preguntar(ventana, nombre, Atspi.Text.get_caret_offset, campo)
        if caret is not None and not 0 <= caret <= n:
            fallo(f"{ventana}: '{nombre}' has its caret at {caret} of {n}")
        if preguntar(ventana, nombre, Atspi.Text.get_n_selections, campo) not in (0, 1):
            fallo(f"{ventana}: '{nombre}' has more than one selection")
    print(f"{ventana}: {len(campos)} text fields, {preguntas} text queries answered")
    return campos


def por_nombre(raiz, nombre, rol=None):
    """The object of the name given, or the first whose name the function given accepts."""
    pendientes = [raiz]
    while pendientes:
        objeto = pendientes.pop()
        dicho = objeto.get_name() or ""
        if (nombre(dicho) if callable(nombre) else dicho == nombre) and \
                (rol is None or objeto.get_role() == rol):
            return objeto
        for i in range(objeto.get_child_count()):
            hijo = objeto.get_child_at_index(i)
            if hijo is not None:
                pendientes.append(hijo)
    fallo(f"no {nombre if isinstance(nombre, str) else 'such object'!r} found")
    return None


def nombres_de_etiquetas(raiz):
    """What every label under the object reads."""
    nombres = []
    pendientes = [raiz]
    while pendientes:
        objeto = pendientes.pop()
        if objeto.get_role() == Atspi.Role.LABEL:
            nombres.append(objeto.get_name() or "")
        for i in range(objeto.get_child_count()):
            hijo = objeto.get_child_at_index(i)
            if hijo is not None:
                pendientes.append(hijo)
    return nombres


def texto_campo(raiz, nombre):
    campo = por_nombre(raiz, nombre)
    return "" if campo is None else texto_de(campo)


def oir_anuncio(oido, que, esperado):
    """The one notification heard after an action, with the sentence `esperado()` gives."""
    anuncios = oido.anunciado()
    esperado = esperado()  # the results as they stand once heard
    if anuncios != [esperado]:
        fallo(f"{que}: heard {anuncios}, not [{esperado!r}]")
    else:
        print(f"{que}: heard {esperado!r}")


def pulsar(raiz, nombre, rol=Atspi.Role.PUSH_BUTTON):
    objeto = por_nombre(raiz, nombre, rol)
    if objeto is not None:
        objeto.do_action(0)
    return objeto


def aplicacion(segundos=20.0):
    fin = time.monotonic() + segundos
    while time.monotonic() < fin:
        escritorio = Atspi.get_desktop(0)
        for i in range(escritorio.get_child_count()):
            app = escritorio.get_child_at_index(i)
            if app is not None and app.get_name() == "morvex":
                return app
        time.sleep(0.1)
    return None


def ventana_de(app, nombre):
    for i in range(app.get_child_count()):
        ventana = app.get_child_at_index(i)
        if ventana.get_name() == nombre:
            return ventana
    return None


def main():
    entorno = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    programa = subprocess.Popen([sys.argv[1]], env=entorno)
    try:
        Atspi.init()
        oido = Oido()
        app = aplicacion()
        if app is None:
            print("FAIL: the program never showed on the accessibility bus")
            return 1
        # The window opens with the focus on its first control, "Regresar".
        primero = oido.esperar(10)
        if primero is None:
            subprocess.run(["xdotool", "search", "--sync", "--name", "^Form1$",
                            "windowactivate", "--sync"], check=False)
            primero = oido.tecla("Tab") and oido.tecla("shift+Tab")
        if primero is None:
            print("FAIL: no focus heard on opening")
            return 1
        valoracion = ventana_de(app, TITULO_VALORACION)
        if valoracion is None or valoracion.get_role() != Atspi.Role.FRAME:
            fallo(f"no frame named '{TITULO_VALORACION}'")
        comprobar("valuation", valoracion or app, recorrer(oido, "valuation", primero),
                  ["Regresar", "Certificado de Calidad", "Hoja de valoracion"],
                  [("Puntos Valoracion coche", True), ("Porcentaje depreciacion Coche", True),
                   ("Valor de Uso Cliente (Precio del Coche)", True),
                   ("Valor de Cambio (Precio TOTAL Compra sin IVA)", True),
                   ("Total Coste Reacondicionado", True), ("Precio Compra sin reparar", True)],
                  [("Coche: Marca", ""), ("Coche: Tipo vehiculo", ""), ("Mes Fabricac", "Octubre"),
                   ("Año Fabricac", "2007"), ("Meses de leasing", "9 meses")],
                  [("Especial 1", "Vehiculo Especial 1"), ("Especial 2", "Vehiculo Especial 2"),
                   ("Imagen percibida sobre la Marca y el Modelo de Coche (g): NORMAL",
                    "Imagen percibida sobre la Marca y el Modelo de coche"),
                   ("Extras: Opciones NO incluidas en Vehiculo Nuevo (c): NORMAL",
                    "Extras: Opciones NO incluidas en los Vehiculos Nuevos"),
                   ("Valor de Uso Cliente (Precio del Coche)", "Valor de Uso (Precio del Coche)"),
                   ("Valor de Cambio (Precio TOTAL Compra sin IVA)",
                    "Valor de Cambio (Precio para reventa)")])

        raiz = valoracion or app
        comprobar_textos("valuation", raiz, {"Precio coche nuevo (euros)": "31470",
                                             "Kilometros": "83680"})
        # A new price, then "Calcular Precio": the values that changed, said once.
        oido.callar()
        precio = por_nombre(raiz, "Precio coche nuevo (euros)")
        if precio is not None:
            Atspi.EditableText.set_text_contents(precio, "32000")
        pulsar(raiz, "Calcular Precio")
        oir_anuncio(oido, "valuation: Calcular Precio",
                    lambda: f"Valor de uso {texto_campo(raiz, 'Valor de Uso Cliente (Precio del Coche)')} "
                    f"euros, valor de cambio "
                    f"{texto_campo(raiz, 'Valor de Cambio (Precio TOTAL Compra sin IVA)')}, "
                    f"precio compra {texto_campo(raiz, 'Precio Compra sin reparar')}.")
        pulsar(raiz, "Calcular Precio")
        if oido.anunciado(1.0):
            fallo("valuation: a calculation that changed nothing was announced")
        # F1 on a control with a help says the help.
        especial = por_nombre(raiz, "Especial 1")
        if especial is not None:
            Atspi.Component.grab_focus(especial)
            oido.esperar(2)
            subprocess.run(["xdotool", "key", "F1"], check=True)
            anuncios = oido.anunciado()
            if len(anuncios) != 1 or not anuncios[0].startswith("Vehiculo Especial 1. "):
                fallo(f"valuation: F1 on 'Especial 1' heard as {anuncios}")
            else:
                print(f"valuation: F1 heard {anuncios[0][:60]!r}...")
            subprocess.run(["xdotool", "key", "Escape"], check=True)
        boton = por_nombre(raiz, "Certificado de Calidad", Atspi.Role.PUSH_BUTTON)
        if boton is not None:
            Atspi.Component.grab_focus(boton)
            oido.esperar(2)
            subprocess.run(["xdotool", "key", "shift+Tab"], check=True)
            oido.esperar(2)

        # To the certificate by its button, as a blind user goes: Tab to it, Enter.
        boton = oido.tecla("Tab")
        if boton is None or boton.get_name() != "Certificado de Calidad":
            fallo("the hand-over button is not the second stop")
        primero = oido.tecla("Return")
        certificado = ventana_de(app, TITULO_CERTIFICADO)
        if certificado is None or certificado.get_role() != Atspi.Role.FRAME:
            fallo(f"no frame named '{TITULO_CERTIFICADO}'")
        if primero is None:
            fallo("no focus heard in the certificate")
        else:
            recorrido = recorrer(oido, "certificate", primero)
            comprobar("certificate", certificado or app, recorrido,
                      ["Valoracion Coches Ocasion", "Regresar", "Hoja del certificado"],
                      [("Puntuacion en asteriscos", True), ("Puntuacion obtenida", True),
                       ("Puntos de la ITV", True), ("Puntuacion total sobre 10", True),
                       ("Defectos encontrados", False), ("Precio coche segun Vendedor", True),
                       ("Puntuacion corregida", True),
                       ("PRECIO COMPRA Coche aplicando Puntuaciones OBJETIVAS/SUBJETIVAS", True)],
                      [], [])
            # The date line says its date, as a result says its value; the asterisk bar their
            # count, in words.
            for nombre, bien in [("Fecha del certificado",
                                  lambda o: o["rol"] in ("text", "entry") and " de 20" in (o["texto"] or "")),
                                 ("Puntuacion en asteriscos",
                                  lambda o: re.fullmatch(r"\d+ asteriscos?", o["texto"] or ""))]:
                hallados = [o for o in recorrido if o["nombre"] == nombre]
                if not hallados or not bien(hallados[0]):
                    fallo(f"certificate: '{nombre}' heard as "
                          f"{[(o['rol'], o['texto']) for o in hallados]}")
                else:
                    print(f"certificate: '{nombre}' heard as {hallados[0]['texto']!r}")
            raiz = certificado or app
            comprobar_textos("certificate", raiz, {})
            oido.callar()
            itv = [o for o in [por_nombre(raiz, lambda n: "ITV" in n, Atspi.Role.CHECK_BOX)] if o is not None]
            for casilla in itv:
                casilla.do_action(0)
                oir_anuncio(oido, "certificate: the ITV tick",
                            lambda: f"Puntuación total {texto_campo(raiz, 'Puntuacion total sobre 10')} "
                            "sobre 10.")
            mal = por_nombre(raiz, lambda n: n.startswith("1.-") and n.endswith(": Mal"),
                             Atspi.Role.RADIO_BUTTON)
            if mal is not None:
                mal.do_action(0)
                oir_anuncio(oido, "certificate: a rating",
                            lambda: f"Puntuación obtenida {texto_campo(raiz, 'Puntuacion obtenida')}, "
                            f"puntuación total {texto_campo(raiz, 'Puntuacion total sobre 10')} "
                            f"sobre 10, precio compra "
                            f"{texto_campo(raiz, 'PRECIO COMPRA Coche aplicando Puntuaciones OBJETIVAS/SUBJETIVAS')}"
                            " euros.")
            # The print preview: a page turned is said.
            oido.tecla("ctrl+p")
            time.sleep(1.0)
            oido.callar()
            antes = set(nombres_de_etiquetas(app))
            subprocess.run(["xdotool", "key", "Next"], check=True)
            anuncios = oido.anunciado()
            # Heard as the preview's page line then reads, a line it did not read before.
            nuevas = set(nombres_de_etiquetas(app)) - antes
            if len(anuncios) != 1 or anuncios[0] not in nuevas:
                fallo(f"preview: PageDown heard as {anuncios}")
            else:
                print(f"preview: PageDown heard {anuncios[0]!r}")
            # On the last page PageDown turns nothing and says nothing.
            subprocess.run(["xdotool", "key", "End"], check=True)
            oido.callar()
            subprocess.run(["xdotool", "key", "Next"], check=True)
            anuncios = oido.anunciado(1.0)
            if anuncios:
                fallo(f"preview: PageDown on the last page heard as {anuncios}")
            subprocess.run(["xdotool", "key", "Escape"], check=True)
    finally:
        programa.terminate()
        programa.wait(10)
    if fallos:
        print(f"{len(fallos)} faults heard")
        return 1
    print("every control heard, in page order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
