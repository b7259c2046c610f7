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
    # The magic-packet listener's, after all the others: the earlier keys
    # keep their lines.
    "LISTEN_MENU", "LISTEN_NOTE", "LISTEN_TIME", "LISTEN_FROM", "LISTEN_PORT",
    "LISTEN_MAC", "LISTEN_THIS_PC", "LISTEN_YES", "LISTEN_PASSWORD", "LISTEN_PORTS",
    "LISTEN_NO_PORT", "LISTEN_IN_USE", "LISTEN_PORT_FAILED", "LISTEN_NOT_MAGIC",
    "LISTEN_CLOSE",
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
    "Listen for magic packets...",
    "Keep this window open on the PC to be woken, then send from another PC. Every magic packet that reaches this PC appears below.",
    "Time",
    "From",
    "Port",
    "MAC address",
    "This PC",
    "Yes",
    "%1 (password, %2 bytes)",
    "Listening on UDP ports %1.",
    "Not listening on any port.",
    "Port %1 is in use.",
    "Port %1 could not be opened (error %2).",
    "Not magic packets: %1.",
    "Close",
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
    "매직 패킷 수신 대기...",
    "켤 PC에서 이 창을 열어 둔 채 다른 PC에서 전송해 주세요. 이 PC에 도착한 매직 패킷은 모두 아래에 표시됩니다.",
    "시간",
    "보낸 곳",
    "포트",
    "Mac Address",
    "이 PC",
    "예",
    "%1 (암호 %2바이트)",
    "UDP 포트 %1에서 수신 대기 중입니다.",
    "수신 대기 중인 포트가 없습니다.",
    "포트 %1은(는) 사용 중입니다.",
    "포트 %1을(를) 열 수 없습니다(오류 %2).",
    "매직 패킷이 아닌 데이터: %1개.",
    "닫기",
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
    "マジックパケットを待ち受ける...",
    "起動するパソコンでこのウィンドウを開いたまま、別のパソコンから送信してください。このパソコンに届いたマジックパケットはすべて下に表示されます。",
    "時刻",
    "送信元",
    "ポート",
    "MACアドレス",
    "このPC",
    "はい",
    "%1（パスワード %2バイト）",
    "UDPポート %1 で待ち受け中です。",
    "待ち受け中のポートはありません。",
    "ポート %1 は使用中です。",
    "ポート %1 を開けませんでした（エラー %2）。",
    "マジックパケット以外: %1件。",
    "閉じる",
]


def section(name, values):
    return [f"[{name}.BRVT]"] + [f"{k}={v}" for k, v in zip(KEYS, values)]


lines = section("ENGLISH", ENGLISH) + [""] + section("KOREAN", KOREAN) + [""] + section("JAPANESE", JAPANESE)
assert all(len(v) == len(KEYS) for v in (ENGLISH, KOREAN, JAPANESE))
assert len(lines) == 3 * (len(KEYS) + 1) + 2
out = pathlib.Path(__file__).resolve().parent.parent / "res" / "BRVT.lng"
out.write_bytes(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
