#include "ui/cifra_local.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace hortelia {
namespace {

// The exact decimal expansion of a finite |x|: a double has at most 1074 binary, so decimal,
// places, and only as many as 53 bits less its exponent.
std::string Exacto(double x) {
    int exponente = 0;
    std::frexp(x, &exponente);
    const int lugares = std::clamp(53 - exponente, 0, 1074);
    std::string texto(1400, '\0');
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), x, std::chars_format::fixed, lugares);
    texto.resize(static_cast<std::size_t>(fin.ptr - texto.data()));
    return texto;
}

// `digitos` plus one in its last digit ("0999" -> "1000", "99" -> "100").
void SumaUno(std::string& digitos) {
    for (auto k = digitos.size(); k-- > 0;) {
        if (digitos[k] != '9') {
            ++digitos[k];
            return;
        }
        digitos[k] = '0';
    }
    digitos.insert(digitos.begin(), '1');
}

}  // namespace

QString CifraLocal(double x, int decimales) {
    const QLocale local;
    if (!std::isfinite(x)) return local.toString(x);
    decimales = std::clamp(decimales, 0, 15);
    const std::string exacto = Exacto(std::fabs(x));
    const auto punto = std::min(exacto.find('.'), exacto.size());
    const std::string fraccion = punto < exacto.size() ? exacto.substr(punto + 1) : std::string();
    // The whole digits and the decimals kept, as one run of digits; the first decimal dropped
    // decides: 5 or more rounds away from zero, the exact half included.
    std::string digitos = exacto.substr(0, punto) + (fraccion + std::string(15, '0')).substr(0, decimales);
    if (static_cast<std::size_t>(decimales) < fraccion.size() && fraccion[static_cast<std::size_t>(decimales)] >= '5')
        SumaUno(digitos);
    const std::size_t largoEntero = digitos.size() - static_cast<std::size_t>(decimales);
    const bool cero = digitos.find_first_not_of('0') == std::string::npos;

    QString texto = x < 0 && !cero ? local.negativeSign() : QString();
    const bool agrupa = !(local.numberOptions() & QLocale::OmitGroupSeparator);
    for (std::size_t k = 0; k < largoEntero; ++k) {
        if (agrupa && k > 0 && (largoEntero - k) % 3 == 0) texto += local.groupSeparator();
        texto += QLatin1Char(digitos[k]);
    }
    if (decimales > 0) texto += local.decimalPoint() + QString::fromLatin1(digitos.substr(largoEntero));
    return texto;
}

}  // namespace hortelia
