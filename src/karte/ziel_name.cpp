#include "karte/ziel_name.hpp"

#include <cmath>
#include <vector>

#include "shared/konstanten.hpp"

std::string Naechstes_Objekt(const Stern_Index& index, const Himmelsort& j2000,
                             double radius_grad) {
    const Richtung r = Richtung_Von(j2000.RA, j2000.DE);
    // Compared by the cosine of the distance: larger is nearer.
    double bestes = std::cos(radius_grad * Grad_Zu_Rad);
    const std::string* name = nullptr;
    for (const Index_Objekt& o : index.Objekte) {
        if (o.Name.empty()) continue;
        const double c = o.Ort.x * r.x + o.Ort.y * r.y + o.Ort.z * r.z;
        if (c >= bestes) bestes = c, name = &o.Name;
    }
    // A deep-sky object within 1' wins over any star: catalogues list stars
    // at the very centre of nebulae and clusters (M42's is a star).
    if (name && bestes >= std::cos(Ziel_Name_Vorrang / 60.0 * Grad_Zu_Rad)) return *name;
    std::vector<std::uint32_t> sterne;
    Sterne_Im_Kreis(index, r, radius_grad, 99.0, sterne);
    for (const std::uint32_t i : sterne) {
        const Index_Stern& s = index.Sterne[i];
        if (s.Name < 0 || static_cast<std::size_t>(s.Name) >= index.Namen.size()) continue;
        const double c = s.x * r.x + s.y * r.y + s.z * r.z;
        if (c >= bestes) bestes = c, name = &index.Namen[static_cast<std::size_t>(s.Name)];
    }
    return name ? *name : std::string();
}
