#!/usr/bin/env python3
"""Writes res/BRVT.lng, the language file embedded in Quorvane.exe.

The file must be UTF-16LE with a byte-order mark (the profile reader relies on
it), CRLF line ends and no line end after the last line. Run this after
changing a text; the result is committed.
"""
import pathlib

KEYS = [
    "PRODUCT_NAME", "PRODUCT_TITLE", "MAIN_CAPTION", "MAC_CAPTION", "MAC_NAME",
    "WOL_NAME", "WOL_SUCCESS", "WOL_CAPTION", "WOL_NOTE", "WOL_OK", "MAC_ERROR",
    "WOL_ERROR", "MAC_DLG_TITLE", "MAC_DLG_CAPTION", "GET_MAC_CAPTION",
    "GET_MAC_NOTIFY",
]

ENGLISH = [
    "Brevinta",
    "WOL Tester",
    "This app will check if your PC is compatible with WOL.",
    "Enter your Mac address and press \u201cPower ON\u201d button.",
    "Mac address",
    "Power ON",
    "Power on request has been sent.\\nCheck if the PC has powered on.",
    "If PC is powered on, WOL is working correctly.",
    "<Note>\\nPC\u2019s BIOS and NIC must be configured properly to work with WOL.\\nVerify this to be correct.",
    "Ok",
    "Enter the correct Mac address.",
    "Failed to turn ON the power.\\nPlease, try again later.",
    "<Current PC\u2019s Mac address>",
    "Get the Mac address of the PC to be powered on.",
    "Please, get the Mac address of the PC to be powered on.",
    "View current PC\u2019s Mac address",
]

KOREAN = [
    "Brevinta",
    "WOL 기능 테스트",
    "고객님의 PC를 켤 수 있는지 확인할 수 있습니다. ",
    "전원을 켤 PC의  Mac Address 를 입력 후 \u201c전원 켜기 테스트\u201d 버튼을 클릭해 주세요",
    "Mac address",
    "전원 켜기 테스트",
    "전원 켜기 기능을 실행하였습니다.\\n해당 PC가  켜지는지 확인해 주세요.",
    "PC가 켜진다면 WOL 기능을 정상적으로 사용할 수 있습니다.",
    "<주의>\\n전원을 켤 PC의 메인보드와 랜카드 설정이 되어 있어야 정상 동작합니다. 설정하지 않으신 분은 먼저 설정부터 해 주세요.",
    "확인",
    "정확한 Mac Address 정보를 입력해 주세요.",
    "전원 켜기 실행에 실패하였습니다.\\n잠시 후 다시 시도해 주세요.",
    "<현재 PC의 Mac Address>",
    "전원을 켤 PC에서 Mac Address를 확인해 주세요.",
    "먼저 전원을 켤 원격지 PC의 Mac Address를 확인해 주세요. ",
    "현재 PC Mac Address 확인",
]

JAPANESE = [
    "Brevinta",
    "WOL機能テスト",
    "ご利用中のパソコンが電源起動に対応しているか確認することができます。",
    "MACアドレスを入力後、「電源起動テスト」をクリックしてください。",
    "MACアドレス",
    "電源起動テスト",
    "電源起動を実行しました。\\nパソコンの電源が起動されたか確認してください。",
    "パソコンの電源が正常に起動された場合、WOL機能をお使いいただけます。",
    "<注意>\\n電源起動するパソコンのBIOS設定とネットワークアダプターの設定が行われている必要があります。\\n設定がされていない場合は、設定後、テストを行ってください。",
    "確認",
    "正しいMACアドレス情報を入力してください。",
    "電源起動に失敗しました。\\nしばらくたってから、再度実行してください。",
    "<使用中のPCのMACアドレス>",
    "まず、電源起動するPCのMACアドレスを確認してください。",
    "電源起動する遠隔地PCのMACアドレスを確認してください。",
    "使用中のPCのMACアドレスを確認",
]


def section(name, values):
    return [f"[{name}.BRVT]"] + [f"{k}={v}" for k, v in zip(KEYS, values)]


lines = section("ENGLISH", ENGLISH) + [""] + section("KOREAN", KOREAN) + [""] + section("JAPANESE", JAPANESE)
assert len(lines) == 53
out = pathlib.Path(__file__).resolve().parent.parent / "res" / "BRVT.lng"
out.write_bytes(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
