#include "results/storageestimatetext.h"

#include "core/text/formatnumber.h"

std::string EstimatedStorageText(const StorageEstimate& estimate) {
  return FormatNumber("#,0.0", estimate.V);
}

TextList StorageEstimateLines(const StorageEstimate& e) {
  TextList lines = {
      "1.調節池容量の計算(簡便法)",
      "",
      "  簡便法を用いた洪水調節容量の概略値を求める。",
      "",
      "                           1",
      "  Vi=(ri-rc/2)･60･ti･f･A･-----           ・・・・・・(1)式",
      "                          360",
      "              a",
      "      ri=----------                      ・・・・・・(2)式",
      "          ti^n + b",
      "",
      "           360･Qc",
      "      rc=----------                      ・・・・・・(3)式",
      "            f･A",
      "",
      "    ここに",
      "      ri(任意降雨継続時間(ti)の降雨強度  (mm/hr))",
      "      rc(下流許容放流量に相当する降雨強度(mm/hr))",
      "      ti(任意降雨継続時間(ti))",
      "      f (流出係数)",
      "      A (流域面積)",
  };
  lines.push_back(FormatNumber("      a (降雨強度曲線式係数)=0.000", e.a));
  lines.push_back("      n (降雨強度曲線式係数)=" + e.nText);
  lines.push_back(FormatNumber("      b (降雨強度曲線式係数)=0.000", e.b));
  lines.insert(lines.end(), {
      "",
      "    (1)式に(2)(3)式を代入し、定数項を除き整理する。",
      "",
      "            a       rc",
      "      y=(------- - ----)･t               ・・・・・・(4)式",
      "          t^n+b      2",
      "",
      "    (4)式をdy/dt=0として微分する。",
      "",
      "       dy     a[t^n+b]-n･t^n    rc",
      "      ---- = --------------- - ---- = 0      ・・・・(5)式",
      "       dt       (t^n+b)^2       2",
      "",
      "    (5)式を t^n=x として整理する。",
      "       rc   2      rc                 rc",
      "      ----･x  +[2･---･b+a･(n-1)]x+b･(----･b-a)=0 ・・(6)式",
      "        2          2                  2",
      "",
      "    最大容量(V)を与える(t)は(6)式の根xによって求められる。",
      "",
      "      t=x^(1/n)",
      "",
      "2.(6)式に数値を代入して、下記式を得る。",
      "",
  });
  // The coefficients are joined without signs in between: a negative one brings its own "-".
  lines.push_back("     " + FormatNumber("0.000", e.alpha) + "･x^2" + FormatNumber("0.000", e.beta) +
                  "･x" + FormatNumber("0.000", e.gamma) + "=0");
  lines.push_back(FormatNumber("      上記式を解いてx=0.000を得る。", e.x));
  lines.insert(lines.end(), {"", "    最大容量(V)を与える(t)は"});
  lines.push_back(FormatNumber("      t=x^(1/n)=#,0.000分", e.ti));
  lines.insert(lines.end(), {"", "    必要調節容量(V)は(1)式に数値を代入して得られる。", "",
                             "                            1"});
  lines.push_back("    V=(ri-rc/2)･60･ti･f･a･-----           =" + FormatNumber("#,0.000m3", e.V));
  lines.insert(lines.end(), {"                           360", "", "    ここに", ""});
  lines.push_back(FormatNumber("      ri(任意降雨継続時間(ti)の降雨強度)  =0.000mm/hr", e.ri));
  lines.push_back(FormatNumber("      rc(下流許容放流量に相当する降雨強度)=0.000mm/hr", e.rc));
  lines.push_back(FormatNumber("      ti(任意降雨継続時間)                =#,0.000分", e.ti));
  lines.push_back(FormatNumber("      f (流出係数)                        =0.000", e.f));
  lines.push_back(FormatNumber("      A (流域面積)                        =0.000ha", e.A));
  return lines;
}
