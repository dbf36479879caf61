#pragma once

#include <QString>

class Messages;

/// The integrator's utility object: validation of identity numbers, names and dates, key
/// filters for entry fields, padding helpers, a message box in the integrator's style and the
/// gate that says whether a module may start an action.
class HostUtilities {
public:
    static constexpr int KeyBackspace = 8;

    explicit HostUtilities(Messages& messages);

    /// True when the file exists and can be read.
    bool ExisteArchivo(const QString& path) const;
    /// 11 digits, a known prefix (10, 15, 16, 17, 20) and the right check digit.
    bool ValidaRuc(const QString& ruc) const;
    /// Blank-filled or cut on the right to exactly `width` characters.
    QString AjustaAncho(const QString& text, int width) const;
    /// Blank-filled on the left or cut to exactly `width` characters.
    QString AjustaAnchoNumero(const QString& text, int width) const;
    /// True when `date` ("dd/mm/yyyy") lies between the two bounds, both included.
    bool ValidaRangoFecha(const QString& date, const QString& from, const QString& to) const;
    /// Not empty, letters and digits only.
    bool ValidaAlfanumerico(const QString& text) const;
    /// Digits and Backspace pass; with flag -1 the decimal point too; anything else gives 0.
    int FiltraNumero(int keyCode, int flag) const;
    /// Letters, digits and Backspace pass; anything else gives 0.
    int FiltraSerie(int keyCode) const;
    /// Not empty, digits only.
    bool ValidaNumerico(const QString& text) const;
    /// Filled on the right with `fill` (its first character) to `width`, or cut to it.
    QString RellenaTexto(const QString& text, int width, const QString& fill) const;
    /// Filled on the left with `fill` (its first character) to `width`, or cut to it.
    QString RellenaIzquierda(const QString& text, int width, const QString& fill) const;
    /// Lower-case letters (ñ and accented vowels included) become upper case.
    int TransformaCaracter(int keyCode) const;
    /// An information box with the given title.
    void MuestraMensaje(const QString& text, const QString& title) const;
    /// Not blank; letters (accented ones and Ñ too), digits, blanks and . , & - ' / ( ) # only.
    bool ValidaNombre(const QString& name) const;
    /// Every "ñ"/"Ñ" becomes "Ñ"; UTF-8 bytes that were read as single bytes are mended too.
    QString ConvierteEnie(const QString& name) const;
    /// False while the integrator has its modules stopped.
    bool PuedeContinuar() const;

    /// The file whose presence tells that the integrator has stopped its modules.
    static QString stopFlagPath(const QString& rutaSistema);

private:
    Messages& m_messages;
};
