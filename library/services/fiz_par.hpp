#pragma once
// Properties of water, steam and air.

#include "library/com/ifiz_par.hpp"

namespace kalvik {

class Fiz_par : public IFiz_par {
  public:
    float Ivs(oleaut::Variant& tv) override;
    float Vvs(oleaut::Variant& tv) override;
    float Tsp(oleaut::Variant& pp) override;
    float Isp(oleaut::Variant& pp) override;
    float Iv(oleaut::Variant& PV, oleaut::Variant& tv) override;
    float Vsp(oleaut::Variant& pp) override;
    float Vv(oleaut::Variant& PV, oleaut::Variant& tv) override;
    oleaut::Variant Muvs(oleaut::Variant& tv) override;
    float nu_vozd(oleaut::Variant& tvozd) override;
    float lb_vozd(oleaut::Variant& tvozd) override;
    float Pr_vozd(oleaut::Variant& tvozd) override;
};

}  // namespace kalvik
